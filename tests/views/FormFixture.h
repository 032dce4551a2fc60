// One editor form at a time on the fake host, placed in a pane of the main
// window's size as the main frame places it, on the offscreen platform; and
// the shared image the main frame moves between the forms.
#pragma once

// own
#include "FakeViewHost.h"
// tests/common: ReadFile, WriteFile, ReadText, WriteText
#include "TestFiles.h"

// views
#include "views/ModelView.h"
#include "views/ViewFactory.h"
#include "views/Vesk4View.h"

// ui
#include "ui/CommandIds.h"

// model
#include "model/RadioImage.h"

// Qt
#include <QComboBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

// std
#include <gtest/gtest.h>
#include <string>

class FormFixture : public ::testing::Test
{
protected:
    // The pane of the main window that holds the active form.
    static constexpr int kPaneWidth = 632;
    static constexpr int kPaneHeight = 430;

    FormFixture()
    {
        m_pane.setGeometry(0, 0, kPaneWidth, kPaneHeight);
        auto* layout = new QVBoxLayout(&m_pane);
        layout->setContentsMargins(0, 0, 0, 0);
        m_pane.show();
    }

    ~FormFixture() override { CloseForm(); }

    // Opens the form of `viewIndex` as the main frame does on switching to
    // it: built into the pane, set up, then filled from the shared image. A
    // form still open is closed first, unstored.
    template <typename Form = CVesk4View> Form* OpenForm(int viewIndex)
    {
        CloseForm();
        m_form = CreateView(viewIndex, m_host, &m_pane);
        m_pane.layout()->addWidget(m_form);
        m_form->show();
        m_form->OnInitialUpdate();
        m_form->setFocus();
        m_form->LoadFromImage(m_shared);
        auto* form = dynamic_cast<Form*>(m_form.data());
        EXPECT_NE(form, nullptr);
        return form;
    }

    // Leaves the open form as the main frame does on switching away: when the
    // form refuses (ValidateForm) it stays and false comes back; otherwise its
    // data goes into the shared image and it is closed.
    bool LeaveForm()
    {
        if (m_form.isNull())
        {
            return true;
        }
        if (!m_form->ValidateForm())
        {
            return false;
        }
        m_form->StoreToImage(m_shared);
        CloseForm();
        return true;
    }

    // Closes the open form unasked and unstored, as ending the program does.
    void CloseForm() { delete m_form.data(); }

    // The open form left, the model chosen in the Model form as the user
    // chooses it and that form left too, so that the shared image holds the
    // model's fields.
    void UseModel(int model)
    {
        ASSERT_TRUE(LeaveForm());
        CModelView* form = OpenForm<CModelView>(VIEW_MODEL);
        ASSERT_NE(form, nullptr);
        ChooseModel(form, model);
        ASSERT_TRUE(LeaveForm());
    }

    // Picks a model in the Model form as the user does.
    static void ChooseModel(CModelView* form, int model)
    {
        form->ModelList()->setCurrentIndex(model);
        emit form->ModelList()->activated(model);
    }

    CVesk4View* Form() const { return m_form.data(); }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
    CFakeViewHost m_host;
    CFakeUiServices& m_ui = m_host.m_ui;
    CRadioImage m_shared;
    QWidget m_pane;
    QPointer<CVesk4View> m_form;
};
