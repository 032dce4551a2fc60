// The vesk4 program ended by a signal, as a logout, a shutdown or kill ends it:
// the same orderly end as End(X), so a radio the Test form keyed is told to
// receive before the program goes.

// own
#include "AppFixture.h"

// sim
#include "sim/SimPort.h"
#include "sim/SimRadio.h"

// Qt
#include <QCoreApplication>
#include <QProcess>

// std
#include <chrono>
#include <csignal>
#include <thread>

TEST_F(AppFixture, ASignalEndsTheProgramAsEndDoesAndReleasesTheTransmitter)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
    {
        SCOPED_TRACE(signal);
        CSimRadio radio;
        CSimPort port(radio);
        ASSERT_TRUE(port.Start());
        WriteText(Path("Comport.ini"), "[Devices]\nCOM1=" + port.DevicePath() + "\n");
        CRadioImage image;
        ASSERT_TRUE(image.SetModel(5) && image.SetWideReference(5000.0));
        CPlainAppState state;
        ASSERT_TRUE(image.SaveToFile(Path("radio.dmp"), state));

        QProcess program;
        StartProgram(program, VESK4_TRANSMIT_DRIVER, Path("radio.dmp"));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (radio.State().test.side != 'T' && std::chrono::steady_clock::now() < deadline)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_EQ(radio.State().test.side, 'T') << "the driver pressed Transmit";
        ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 128 + signal);
        // The program drained its last record into the line before it went;
        // the simulated radio takes it from there on its own thread.
        const auto heard = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (radio.State().test.side != 'R' && std::chrono::steady_clock::now() < heard)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(radio.State().test.side, 'R');
        EXPECT_FALSE(radio.State().test.hasFrequency);
        // Ended through ExitInstance, which keeps the port choice.
        EXPECT_NE(ReadText(Path("Comport.ini")).find("[AppComport]"), std::string::npos);
    }
}
