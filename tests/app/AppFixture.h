// A started application in a fresh temporary directory, with the recording
// user-interface services, for the shell tests.
#pragma once

// own (tests/common: ReadFile, WriteFile, ReadText, WriteText)
#include "TestFiles.h"

// app
#include "ui/CommandIds.h"
#include "ui/FakeUiServices.h"
#include "app/MainFrame.h"
#include "app/Vesk4App.h"

// views
#include "views/ComportDlg.h"
#include "views/ModelView.h"

// Qt
#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// std
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    }

    void TearDown() override
    {
        m_app.reset();
        QDir::setCurrent(m_oldDir);
    }

    // Starts the program in the temporary directory.
    void Start()
    {
        m_app = std::make_unique<CVesk4App>(m_ui);
        ASSERT_TRUE(m_app->InitInstance());
    }

    CMainFrame& Frame() { return *m_app->GetMainFrame(); }
    bool Enabled(int id) { return Frame().GetCommand(id)->isEnabled(); }

    CModelView* ModelForm() { return dynamic_cast<CModelView*>(m_app->GetView(VIEW_MODEL)); }

    // Picks a model in the Model form as the user would.
    void ChooseModel(int model)
    {
        CModelView* form = ModelForm();
        ASSERT_NE(form, nullptr);
        form->ModelList()->setCurrentIndex(model);
        emit form->ModelList()->activated(model);
    }

    // Utility > Comport set, COM1 (0) or COM2 (1) and OK, as the user
    // chooses it.
    void ChoosePort(int port)
    {
        m_ui.m_dialogScripts.push_back(
            [port](QDialog& dialog)
            {
                auto& choice = dynamic_cast<CComportDlg&>(dialog);
                (port == 0 ? choice.Comport1() : choice.Comport2())->setChecked(true);
                choice.OnOK();
                return dialog.result();
            });
        Frame().GetCommand(ID_COMPORT_SET)->trigger();
    }
    void ChooseCom2() { ChoosePort(1); }

    // Starts the vesk4 program itself in the temporary directory, offscreen,
    // with `driver` (a module that acts as the user) loaded into it.
    void StartProgram(QProcess& program, const char* driver, const std::string& file)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LD_PRELOAD"), QString::fromLatin1(driver));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":verify_asan_link_order=0"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(m_dir.path());
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vesk4"),
                      {QString::fromStdString(file)});
        ASSERT_TRUE(program.waitForStarted());
    }

    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
    QString m_oldDir;
    CFakeUiServices m_ui;
    std::unique_ptr<CVesk4App> m_app;
};
