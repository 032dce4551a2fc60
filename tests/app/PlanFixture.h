// The shell with a plan: dump files made and changed by vesk4-cli, against
// which the window's plan and compare commands are held.
#pragma once

// own (and tests/common: ProgramRunner.h)
#include "AppFixture.h"
#include "ProgramRunner.h"

// std
#include <string>
#include <vector>

// The column layout and spellings another radio program exports, with the
// columns after Comment that it writes empty: six channels of a VHF(H) A Band
// radio.
inline constexpr char kForeignPlan[] =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "1,GATE,146.520000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
    "2,YARD,147.000000,+,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low,,,,,\r\n"
    "3,OFFICE,150.250000,-,1.500000,TSQL,88.5,131.8,023,NN,023,Tone->Tone,FM,5.00,S,High,,,,,\r\n"
    "4,DCS,151.625000,,0.000000,DTCS,88.5,88.5,125,RN,125,Tone->Tone,FM,12.50,,High,,,,,\r\n"
    "5,SPLIT,140.000000,split,155.000000,Cross,88.5,123.0,023,NN,023,Tone->Tone,FM,5.00,,"
    "High,{compander},,,,\r\n"
    "8,SIMPLEX,158.000000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low,,,,,\r\n";

class PlanFixture : public AppFixture
{
protected:
    // vesk4-cli with `args`; its exit status.
    static int Cli(std::vector<std::string> args)
    {
        ProgramRun run;
        run.program = VESK4_CLI;
        run.args = std::move(args);
        return RunProgram(run).exit;
    }

    // base.dmp: a new 320-channel VHF(H) A Band plan; full.dmp: the same with
    // the foreign plan's channels.
    void MakePlanFiles()
    {
        ASSERT_EQ(Cli({"new", "--model", "VHF(H) A Band", "--channels", "320", Path("base.dmp")}),
                  0);
        ASSERT_TRUE(WriteText(Path("plan.csv"), kForeignPlan));
        ASSERT_EQ(Cli({"import-csv", Path("base.dmp"), Path("plan.csv"), Path("full.dmp")}), 0);
    }

    // The program started with base.dmp opened.
    void StartWithNewPlan()
    {
        MakePlanFiles();
        Start();
        ASSERT_TRUE(Frame().OpenDumpFile(Path("base.dmp")));
    }
};
