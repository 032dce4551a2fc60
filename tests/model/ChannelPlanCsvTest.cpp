// Tests of CSV channel plans: the comma-separated reader, export and import
// round trips, hand-written rows in the other tools' spellings, and refused
// rows.
#include "PlanTestSupport.h"

// model
#include "model/ChannelPlanCsv.h"
#include "model/CsvTable.h"
#include "model/SignallingTables.h"

// std
#include <random>
#include <string>
#include <vector>

namespace
{
const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";

std::vector<std::uint8_t> Channels(const CRadioImage& image)
{
    return Bytes(image, ImageMap::kChannels, kChannelCount * kChannelRecordSize);
}

std::string Problems(const std::vector<PlanProblem>& problems)
{
    std::string text;
    for (const PlanProblem& problem : problems)
    {
        text += problem.Text() + "\n";
    }
    return text;
}

// A random channel entry that the form would accept on the image's band.
void PutRandomChannel(CRadioImage& image, int n, std::mt19937& random)
{
    CChannelRules rules;
    ASSERT_TRUE(rules.LoadFromImage(image));
    const auto pick = [&random](int count)
    { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    ChannelSwitches switches;
    switches.narrow = pick(2) == 0;
    switches.reducedPower = pick(2) == 0;
    switches.scrambler = pick(4) == 0;
    switches.compander = pick(2) == 0;
    switches.dtone = pick(2) == 0;
    switches.ani = pick(2) == 0;
    switches.scanGroupA = pick(2) == 0;
    switches.scanGroupB = pick(2) == 0;
    switches.auxData = pick(3) == 0 ? 255 : pick(256);

    const auto frequency = [&](bool transmit)
    {
        double low = 0.0;
        double high = 0.0;
        EXPECT_TRUE(rules.GetBandEdges(transmit, low, high));
        const double step = rules.GetStepMhz(switches.narrow);
        const long long first = static_cast<long long>(std::ceil(low / step - 1e-9));
        const long long last = static_cast<long long>(std::floor(high / step + 1e-9));
        const long long k = first + pick(static_cast<int>(last - first + 1));
        return CChannelRules::FormatFrequency(static_cast<double>(k) * step);
    };
    const auto signalling = [&](const std::string& mhz)
    {
        const int dcs = 1 + pick(kDcsCount);
        char code[8];
        std::snprintf(code, sizeof code, "%s%03d", pick(2) == 0 ? "-" : "", kDcsCodes[dcs]);
        switch (pick(3))
        {
        case 0:
            return Side(mhz, pick(kCtcssCount));
        case 1:
            return Side(mhz, -1, code);
        default:
            return Side(mhz);
        }
    };
    const std::string rx = frequency(false);
    const int txKind = pick(3);
    const std::string tx = txKind == 0                             ? "0"
                           : txKind == 1 && rules.GetModel() != 13 ? rx
                                                                   : frequency(true);
    static const char kNameCharacters[] = "ABCXYZ0189 *+-/=";
    std::string name;
    for (int k = pick(13); k > 0; --k)
    {
        name += kNameCharacters[pick(sizeof kNameCharacters - 1)];
    }
    PutChannel(image, n, name, signalling(rx), signalling(tx), switches);
}
} // namespace

TEST(CsvTable, QuotedFieldsCommasQuotesLineBreaksAndLineNumbers)
{
    struct Case
    {
        const char* name;
        std::string text;
        std::vector<std::vector<std::string>> fields;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"plain", "a,b,c\r\nd,,f\r\n", {{"a", "b", "c"}, {"d", "", "f"}}, {1, 2}},
        {"lfAndNoLastEnd", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"crAlone", "a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"quoted", "\"a,b\",\"say \"\"hi\"\"\"\r\n", {{"a,b", "say \"hi\""}}, {1}},
        {"lineBreakInside", "\"one\ntwo\",x\r\nnext\r\n", {{"one\ntwo", "x"}, {"next"}}, {1, 3}},
        {"byteOrderMark", "\xEF\xBB\xBFLocation,Name\r\n", {{"Location", "Name"}}, {1}},
        {"quoteInsideUnquoted", "5\"x,y\r\n", {{"5\"x", "y"}}, {1}},
        {"trailingComma", "a,\r\n", {{"a", ""}}, {1}},
        {"blankLine", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}, {1, 2, 3}},
    };
    for (const Case& c : cases)
    {
        CCsvTable table;
        int bad = -1;
        ASSERT_TRUE(table.Parse(c.text, bad)) << c.name;
        std::vector<std::vector<std::string>> fields;
        std::vector<int> lines;
        for (const CsvRow& row : table.GetRows())
        {
            fields.push_back(row.fields);
            lines.push_back(row.line);
        }
        EXPECT_EQ(fields, c.fields) << c.name;
        EXPECT_EQ(lines, c.lines) << c.name;
    }
    CCsvTable table;
    int bad = 0;
    EXPECT_FALSE(table.Parse("a,b\r\nc,\"open\r\nstill\r\n", bad));
    EXPECT_EQ(bad, 2);
}

TEST(CsvTable, WrittenFieldsReadBackAsTheyWere)
{
    const std::vector<std::string> fields = {"",      "plain",  "a,b",         "quote\"d",
                                             " lead", "trail ", "two\r\nlines"};
    CCsvTable table;
    int bad = 0;
    ASSERT_TRUE(table.Parse(CCsvTable::Line(fields) + CCsvTable::Line(fields), bad));
    ASSERT_EQ(table.GetRows().size(), 2U);
    EXPECT_EQ(table.GetRows()[0].fields, fields);
    EXPECT_EQ(table.GetRows()[1].fields, fields);
    EXPECT_EQ(table.GetRows()[1].line, 3);
}

TEST(ChannelPlanCsv, ExportThenImportGivesTheSameChannelsByteForByte)
{
    struct Band
    {
        int model;
        double wideHz;
        double narrowHz;
        bool highInjection;
        int capacity;
    };
    const Band bands[] = {
        {0, 2500.0, 5000.0, false, 120}, {5, 5000.0, 6250.0, true, 320},
        {9, 6250.0, 5000.0, true, 320},  {13, 12500.0, 6250.0, false, 120},
        {7, 2500.0, 6250.0, true, 320},
    };
    std::mt19937 random(20240315);
    for (const Band& band : bands)
    {
        CRadioImage image = PlanImage(band.model, band.wideHz, band.narrowHz, band.highInjection);
        for (int n = 1; n <= band.capacity; ++n)
        {
            if (random() % 3 != 0)
            {
                PutRandomChannel(image, n, random);
            }
        }
        std::string text;
        std::vector<std::string> notes;
        ASSERT_TRUE(CChannelPlanCsv::Export(image, band.capacity, text, notes)) << band.model;
        EXPECT_TRUE(notes.empty()) << band.model << ": " << notes.front();

        // Into the image it came from, and into one whose channels hold another plan.
        CRadioImage same = image;
        std::vector<PlanProblem> problems;
        ASSERT_TRUE(CChannelPlanCsv::Import(text, band.capacity, false, same, problems))
            << band.model << "\n"
            << Problems(problems);
        EXPECT_EQ(WholeImage(same), WholeImage(image)) << band.model;

        CRadioImage other = PlanImage(band.model, band.wideHz, band.narrowHz, band.highInjection);
        for (int n = 1; n <= band.capacity; n += 7)
        {
            PutRandomChannel(other, n, random);
        }
        ASSERT_TRUE(CChannelPlanCsv::Import(text, band.capacity, false, other, problems))
            << Problems(problems);
        std::string again;
        ASSERT_TRUE(CChannelPlanCsv::Export(other, band.capacity, again, notes));
        EXPECT_EQ(again, text) << band.model;
    }
}

TEST(ChannelPlanCsv, HandWrittenRowsInTheOtherToolsSpellings)
{
    struct Expect
    {
        std::string rx;
        std::string tx; // "unused" for no transmit side
        std::string rxSignal;
        std::string txSignal;
        std::string name = "";
        ChannelSwitches switches = {};
    };
    struct Case
    {
        const char* name;
        std::string row; // after "Location,Name,Frequency,Duplex,Offset,"
        Expect expect;
    };
    ChannelSwitches narrowLow;
    narrowLow.narrow = true;
    narrowLow.reducedPower = true;
    ChannelSwitches commented;
    commented.scanGroupA = true;
    commented.compander = true;
    commented.dtone = true;
    commented.ani = true;
    commented.scanGroupB = true;
    commented.scrambler = true;
    commented.auxData = 0x81;
    ChannelSwitches member;
    member.scanGroupA = true;
    const Case cases[] = {
        {"simplex",
         "1,Call,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,High,",
         {"146.52000", "146.52000", "none", "none", "CALL"}},
        {"plusOffsetTone",
         "2,RPT,145.000000,+,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,S,High,",
         {"145.00000", "145.60000", "none", "CTCSS 100.0", "RPT"}},
        {"minusOffsetTsqlNarrowLow",
         "3,,146.950000,-,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,NFM,6.25,S,Low,",
         {"146.95000", "146.35000", "CTCSS 123.0", "CTCSS 123.0", "", narrowLow}},
        {"split",
         "4,,150.000000,split,155.500000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,,",
         {"150.00000", "155.50000", "none", "none"}},
        {"off",
         "5,,150.000000,off,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,S,,",
         {"150.00000", "unused", "CTCSS 88.5", "none"}},
        {"dtcs",
         "6,,150.000000,,0.000000,DTCS,88.5,88.5,047,NN,047,Tone->Tone,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS 47", "DCS 47"}},
        {"dtcsReversedTransmit",
         "7,,150.000000,,0.000000,DTCS,88.5,88.5,047,RN,047,Tone->Tone,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS 47", "DCS -47"}},
        {"dtcsReversedBoth",
         "8,,150.000000,,0.000000,DTCS,88.5,88.5,754,RR,023,,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS -754", "DCS -754"}},
        {"crossToneTone",
         "9,,150.000000,,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,FM,5.00,S,,",
         {"150.00000", "150.00000", "CTCSS 254.1", "CTCSS 67.0"}},
        {"crossToneDtcs",
         "10,,150.000000,,0.000000,Cross,67.0,88.5,023,NR,115,Tone->DTCS,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS -115", "CTCSS 67.0"}},
        {"crossDtcsTone",
         "11,,150.000000,,0.000000,Cross,88.5,74.0,265,RN,023,DTCS->Tone,FM,5.00,S,,",
         {"150.00000", "150.00000", "CTCSS 74.0", "DCS -265"}},
        {"crossDtcsDtcs",
         "12,,150.000000,,0.000000,Cross,88.5,88.5,023,NN,731,DTCS->DTCS,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS 731", "DCS 23"}},
        {"crossReceiveDtcsOnly",
         "13,,150.000000,,0.000000,Cross,88.5,88.5,023,NR,432,->DTCS,FM,5.00,S,,",
         {"150.00000", "150.00000", "DCS -432", "none"}},
        {"crossReceiveToneOnly",
         "14,,150.000000,,0.000000,Cross,88.5,69.3,023,NN,023,->Tone,FM,5.00,S,,",
         {"150.00000", "150.00000", "CTCSS 69.3", "none"}},
        {"crossTransmitDtcsOnly",
         "15,,150.000000,,0.000000,Cross,88.5,88.5,606,NN,023,DTCS->,FM,5.00,S,,",
         {"150.00000", "150.00000", "none", "DCS 606"}},
        {"commentItemsAndScanMember",
         "16,abc/1,150.000000,,0.000000,,88.5,88.5,023,NN,023,,FM,5.00,,high,"
         "\"Town, north {compander dtone ani scanB scrambler aux=10000001}\"",
         {"150.00000", "150.00000", "none", "none", "ABC/1", commented}},
        {"priorityScanIsAMember",
         "17,,150.000000,,,,,,,,,,FM,,P,,",
         {"150.00000", "150.00000", "none", "none", "", member}},
    };
    for (const Case& c : cases)
    {
        CRadioImage image = PlanImage(5); // 136..160 MHz
        std::vector<PlanProblem> problems;
        ASSERT_TRUE(CChannelPlanCsv::Import(kHeader + c.row + "\r\n", 120, false, image, problems))
            << c.name << "\n"
            << Problems(problems);
        const int i = std::stoi(c.row) - 1;
        CChannelRules rules;
        ASSERT_TRUE(rules.LoadFromImage(image));
        const auto frequency = [&](bool transmit)
        {
            int unused = 1;
            std::uint32_t word = 0;
            double mhz = 0.0;
            (void)(transmit ? image.GetTxUnused(i, unused) : image.GetRxUnused(i, unused));
            (void)(transmit ? image.GetTxWord(i, word) : image.GetRxWord(i, word));
            EXPECT_TRUE(rules.WordToFrequency(word, transmit, c.expect.switches.narrow, mhz));
            return unused == 1 ? std::string("unused") : CChannelRules::FormatFrequency(mhz);
        };
        const auto signalling = [&](bool transmit)
        {
            int none = 1;
            int type = 0;
            (void)(transmit ? image.GetTxSignallingNone(i, none)
                            : image.GetRxSignallingNone(i, none));
            (void)(transmit ? image.GetTxSignallingType(i, type)
                            : image.GetRxSignallingType(i, type));
            if (none == 1)
            {
                return std::string("none");
            }
            char text[32];
            if (type == 1)
            {
                int inverted = 0;
                int code = 0;
                (void)(transmit ? image.GetTxDcs(i, inverted, code)
                                : image.GetRxDcs(i, inverted, code));
                std::snprintf(text, sizeof text, "DCS %s%o", inverted == 1 ? "-" : "", code);
            }
            else
            {
                int index = 0;
                (void)(transmit ? image.GetTxCtcss(i, index) : image.GetRxCtcss(i, index));
                std::snprintf(text, sizeof text, "CTCSS %.1f", CtcssTone(index));
            }
            return std::string(text);
        };
        EXPECT_EQ(frequency(false), c.expect.rx) << c.name;
        EXPECT_EQ(frequency(true), c.expect.tx) << c.name;
        EXPECT_EQ(signalling(false), c.expect.rxSignal) << c.name;
        EXPECT_EQ(signalling(true), c.expect.txSignal) << c.name;
        std::string name;
        ASSERT_TRUE(image.GetChannelName(i, name));
        EXPECT_EQ(name, c.expect.name.empty() ? std::string(12, ' ') : c.expect.name) << c.name;
        ChannelSwitches switches;
        ASSERT_TRUE(ReadChannelSwitches(image, i + 1, switches));
        EXPECT_EQ(switches, c.expect.switches) << c.name;
    }
}

TEST(ChannelPlanCsv, ColumnsInAnyOrderWithOthersIgnoredAndOnlyTheRequiredOnes)
{
    CRadioImage byName = PlanImage(9); // 403..430 MHz
    std::vector<PlanProblem> problems;
    ASSERT_TRUE(CChannelPlanCsv::Import(
        "URCALL,Comment,Mode,Frequency,Location,Tone,rToneFreq,Name,Duplex,Offset,Bank\n"
        ",,NFM,410.000000,3,Tone,162.2,Site 3,-,5.000000,7\n",
        320, false, byName, problems))
        << Problems(problems);
    CRadioImage byForm = PlanImage(9);
    ChannelSwitches narrow;
    narrow.narrow = true;
    narrow.scanGroupA = true; // no Skip column: scanned
    PutChannel(byForm, 3, "SITE 3", Side("410"), Side("405", 25), narrow);
    EXPECT_EQ(Channels(byName), Channels(byForm));

    CRadioImage minimal = PlanImage(9);
    ASSERT_TRUE(
        CChannelPlanCsv::Import("frequency,location\n420.5,1\n", 320, false, minimal, problems))
        << Problems(problems);
    CRadioImage expected = PlanImage(9);
    ChannelSwitches scanned;
    scanned.scanGroupA = true;
    PutChannel(expected, 1, "", Side("420.5"), Side("420.5"), scanned);
    EXPECT_EQ(Channels(minimal), Channels(expected));

    // Writers from before the CrossMode column meant Tone->Tone by Cross.
    const std::string row = "2,420.5,Cross,67.0,254.1";
    CRadioImage withoutColumn = PlanImage(9);
    CRadioImage withColumn = PlanImage(9);
    ASSERT_TRUE(CChannelPlanCsv::Import("Location,Frequency,Tone,rToneFreq,cToneFreq\n" + row, 320,
                                        false, withoutColumn, problems))
        << Problems(problems);
    ASSERT_TRUE(CChannelPlanCsv::Import("Location,Frequency,Tone,rToneFreq,cToneFreq,CrossMode\n" +
                                            row + ",Tone->Tone",
                                        320, false, withColumn, problems));
    EXPECT_EQ(Channels(withoutColumn), Channels(withColumn));
}

TEST(ChannelPlanCsv, BadRowsAreNamedByLineAndColumnAndNothingIsWritten)
{
    struct Case
    {
        const char* name;
        std::string rows; // after the header, which is line 1
        int line;
        std::string column;
        std::string reason; // the start of the reason
    };
    const std::string ok = "1,,150.000000,,0.000000,,88.5,88.5,023,NN,023,,FM,5.00,,,\r\n";
    const Case cases[] = {
        {"locationZero", "0,,150.0,,,,,,,,,,,,,,\r\n", 2, "Location", "Channel number set error"},
        {"locationPastCapacity", ok + "121,,150.0,,,,,,,,,,,,,,\r\n", 3, "Location",
         "Channel number set error: '121' is not a channel of 1..120"},
        {"locationNotANumber", "one,,150.0,,,,,,,,,,,,,,\r\n", 2, "Location",
         "Channel number set error"},
        {"locationTwice", ok + "\r\n" + ok, 4, "Location", "channel 1 is already on line 2"},
        {"offGrid", "1,,150.003000,,,,,,,,,,FM,,,,\r\n", 2, "Frequency",
         "Receive Channel Freq set error ('150.003000'): not on the 5 kHz grid of this radio"},
        {"outOfBand", "1,,170.000000,,,,,,,,,,,,,,\r\n", 2, "Frequency",
         "Receive Channel Freq set error ('170.000000'): outside 136\xE2\x80\x93"
         "160 MHz, the receive band of this model"},
        {"frequencyNotANumber", "1,,15O.0,,,,,,,,,,,,,,\r\n", 2, "Frequency",
         "Please enter a number."},
        {"offsetOutOfBand", "1,,159.000000,+,5.000000,,,,,,,,,,,,\r\n", 2, "Offset",
         "Transmit Channel Freq set error ('164.000000'): outside 136\xE2\x80\x93"
         "160 MHz, the transmit band of this model"},
        {"offsetBelowZero", "1,,150.000000,-,151.000000,,,,,,,,,,,,\r\n", 2, "Offset",
         "Transmit Channel Freq set error"},
        {"badDuplex", "1,,150.000000,x,,,,,,,,,,,,,\r\n", 2, "Duplex", "'x' is not"},
        {"nameTooLong", "1,ABCDEFGHIJKLM,150.0,,,,,,,,,,,,,,\r\n", 2, "Name",
         "Channel name set error"},
        {"nameCharacter", "1,A_B,150.0,,,,,,,,,,,,,,\r\n", 2, "Name", "Channel name set error"},
        {"toneNotInTable", "1,,150.0,,,Tone,159.8,,,,,,,,,,\r\n", 2, "rToneFreq",
         "Transmit Signaling Data set error: 159.8 Hz"},
        {"receiveToneNotInTable", "1,,150.0,,,Cross,88.5,165.5,,,,Tone->Tone,,,,,\r\n", 2,
         "cToneFreq", "Receive Signaling Data set error"},
        {"dcsNotACode", "1,,150.0,,,DTCS,,,024,NN,,,,,,,\r\n", 2, "DtcsCode",
         "Receive Signaling Data set error ('024')"},
        {"receiveDcsNotACode", "1,,150.0,,,Cross,,,023,NN,999,DTCS->DTCS,,,,,\r\n", 2, "RxDtcsCode",
         "Receive Signaling Data set error ('999')"},
        {"polarity", "1,,150.0,,,DTCS,,,023,NX,,,,,,,\r\n", 2, "DtcsPolarity", "'NX' is not"},
        {"reverseTone", "1,,150.0,,,TSQL-R,,,,,,,,,,,\r\n", 2, "Tone", "'TSQL-R' is not"},
        {"crossMode", "1,,150.0,,,Cross,,,,,,Tone->X,,,,,\r\n", 2, "CrossMode",
         "'Tone->X' is not a cross mode"},
        {"mode", "1,,150.0,,,,,,,,,,AM,,,,\r\n", 2, "Mode", "'AM' is not FM or NFM"},
        // A value quoted from the file is quoted whole, however long.
        {"modeLong", "1,,150.0,,,,,,,,,," + std::string(600, 'A') + ",,,,\r\n", 2, "Mode",
         "'" + std::string(600, 'A') + "' is not FM or NFM"},
        {"skip", "1,,150.0,,,,,,,,,,,,X,,\r\n", 2, "Skip", "'X' is not"},
        {"power", "1,,150.0,,,,,,,,,,,,,5.0W,\r\n", 2, "Power", "'5.0W' is not High or Low"},
        {"commentItem", "1,,150.0,,,,,,,,,,,,,,{ani fast}\r\n", 2, "Comment", "'fast' is not"},
        {"commentAuxDigits", "1,,150.0,,,,,,,,,,,,,,{aux=1012}\r\n", 2, "Comment",
         "'aux=1012' is not"},
        {"commentOpenBrace", "1,,150.0,,,,,,,,,,,,,,{ani\r\n", 2, "Comment", "the {...}"},
        {"moreFields", "1,,150.0,,,,,,,,,,,,,,,x\r\n", 2, "", "the row has more fields"},
        {"openQuote", ok + "2,\"abc,150.0\r\n", 3, "", "a quoted field is not closed"},
    };
    for (const Case& c : cases)
    {
        CRadioImage image = PlanImage(5);
        PutChannel(image, 1, "KEEP", Side("140"), Side("140"));
        const std::vector<std::uint8_t> before = WholeImage(image);
        std::vector<PlanProblem> problems;
        EXPECT_FALSE(CChannelPlanCsv::Import(kHeader + c.rows, 120, false, image, problems))
            << c.name;
        ASSERT_EQ(problems.size(), 1U) << c.name << "\n" << Problems(problems);
        EXPECT_EQ(problems[0].line, c.line) << c.name;
        EXPECT_EQ(problems[0].column, c.column) << c.name;
        EXPECT_EQ(problems[0].reason.rfind(c.reason, 0), 0U)
            << c.name << ": " << problems[0].reason;
        EXPECT_EQ(WholeImage(image), before) << c.name;
    }
}

TEST(ChannelPlanCsv, EveryBadRowIsReportedNotJustTheFirst)
{
    CRadioImage image = PlanImage(5);
    std::vector<PlanProblem> problems;
    EXPECT_FALSE(CChannelPlanCsv::Import(kHeader + "1,,150.0\r\n2,,999.0\r\n3,,150.0\r\n"
                                                   "4,,,,,,,,,,,,AM\r\n",
                                         120, false, image, problems));
    ASSERT_EQ(problems.size(), 2U) << Problems(problems);
    EXPECT_EQ(problems[0].Text(),
              "line 3, column Frequency: Receive Channel Freq set error ('999.000000'): "
              "outside 136\xE2\x80\x93"
              "160 MHz, the receive band of this model");
    EXPECT_EQ(problems[1].line, 5);
}

TEST(ChannelPlanCsv, TheRestOfAPlanLeavesTheChannelsOfRefusedRowsAsTheyWere)
{
    CRadioImage image = PlanImage(5);
    PutChannel(image, 2, "KEEP", Side("140"), Side("140"));
    PutChannel(image, 9, "GONE", Side("141"), Side("141"));
    const std::string plan =
        kHeader + "1,NEW,145.0\r\n2,,150.003\r\nx,,150.0\r\n3,,999.0\r\n3,THREE,146.0\r\n";
    CRadioImage strict = image;
    std::vector<PlanProblem> problems;
    EXPECT_FALSE(CChannelPlanCsv::Import(plan, 120, false, strict, problems));
    EXPECT_EQ(WholeImage(strict), WholeImage(image));

    CRadioImage rest = image;
    std::vector<PlanProblem> restProblems;
    ASSERT_TRUE(CChannelPlanCsv::ImportAccepted(plan, 120, false, rest, restProblems));
    EXPECT_EQ(Problems(restProblems), Problems(problems));
    ChannelSwitches scanned;
    scanned.scanGroupA = true;
    CRadioImage expected = image;
    ASSERT_TRUE(StoreEmptyChannel(expected, 9));
    PutChannel(expected, 1, "NEW", Side("145"), Side("145"), scanned);
    // Channel 3's first row was refused: it keeps what it held (nothing), and
    // its second row is refused as a repeat.
    EXPECT_EQ(WholeImage(rest), WholeImage(expected)) << Problems(restProblems);

    // A header that cannot be read leaves no rows to take.
    CRadioImage unreadable = image;
    EXPECT_FALSE(CChannelPlanCsv::ImportAccepted("Location,Name\r\n1,A\r\n", 120, false, unreadable,
                                                 restProblems));
    EXPECT_EQ(WholeImage(unreadable), WholeImage(image));
}

TEST(ChannelPlanCsv, HeaderAndFileProblems)
{
    struct Case
    {
        const char* name;
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {"empty", "", "the file has no header row"},
        {"blankOnly", "\r\n ,\r\n", "the file has no header row"},
        {"noFrequency", "Location,Name\r\n1,A\r\n",
         "line 1, column Frequency: the header has no "
         "Frequency column"},
        {"twice", "Location,Frequency,location\r\n",
         "line 1, column location: the column "
         "location appears twice in the header"},
    };
    for (const Case& c : cases)
    {
        CRadioImage image = PlanImage(5);
        std::vector<PlanProblem> problems;
        EXPECT_FALSE(CChannelPlanCsv::Import(c.text, 120, false, image, problems)) << c.name;
        ASSERT_FALSE(problems.empty()) << c.name;
        EXPECT_EQ(problems[0].Text(), c.problem) << c.name;
    }
    // Without a model nothing has a frequency: both ways refuse.
    CRadioImage unset;
    std::vector<PlanProblem> problems;
    EXPECT_FALSE(CChannelPlanCsv::Import(kHeader, 120, false, unset, problems));
    std::string text = "unchanged";
    std::vector<std::string> notes;
    EXPECT_FALSE(CChannelPlanCsv::Export(unset, 120, text, notes));
    EXPECT_TRUE(text.empty());
}

TEST(ChannelPlanCsv, UnlistedChannelsBecomeEmptyUnlessMerged)
{
    CRadioImage image = PlanImage(5);
    PutChannel(image, 1, "ONE", Side("140"), Side("140"));
    PutChannel(image, 2, "TWO", Side("141"), Side("141"));
    PutChannel(image, 120, "LAST", Side("142"), Side("0"));
    const std::string plan = kHeader + "2,NEW,145.0\r\n";

    CRadioImage whole = image;
    std::vector<PlanProblem> problems;
    ASSERT_TRUE(CChannelPlanCsv::Import(plan, 120, false, whole, problems));
    CRadioImage merged = image;
    ASSERT_TRUE(CChannelPlanCsv::Import(plan, 120, true, merged, problems));

    ChannelSwitches scanned;
    scanned.scanGroupA = true;
    CRadioImage expectedWhole = image;
    ASSERT_TRUE(StoreEmptyChannel(expectedWhole, 1));
    ASSERT_TRUE(StoreEmptyChannel(expectedWhole, 120));
    PutChannel(expectedWhole, 2, "NEW", Side("145"), Side("145"), scanned);
    CRadioImage expectedMerged = image;
    PutChannel(expectedMerged, 2, "NEW", Side("145"), Side("145"), scanned);
    EXPECT_EQ(WholeImage(whole), WholeImage(expectedWhole));
    EXPECT_EQ(WholeImage(merged), WholeImage(expectedMerged));
    int unused = 0;
    ASSERT_TRUE(whole.GetRxUnused(0, unused));
    EXPECT_EQ(unused, 1);
}

TEST(ChannelPlanCsv, TonesOutsideTheCommonListAreNamedOncePerChannel)
{
    // Indexes 38, 40 and 41 hold 74.0, 198.0 and 202.7 Hz; 2 and 44 are 74.4
    // and 254.1 Hz, which every list has.
    CRadioImage image = PlanImage(5);
    PutChannel(image, 1, "RX", Side("140", 38), Side("140"));
    PutChannel(image, 2, "TX", Side("140"), Side("140", 40));
    PutChannel(image, 3, "BOTH", Side("140", 41), Side("140", 38));
    PutChannel(image, 4, "COMMON", Side("140", 2), Side("140", 44));
    PutChannel(image, 5, "NOTX", Side("140", 44), Side("0", 41));
    PutChannel(image, 121, "BEYOND", Side("140", 38), Side("140"));

    EXPECT_EQ(CChannelPlanCsv::UncommonToneNotes(image, 120),
              (std::vector<std::string>{
                  "ch 1: CTCSS 74.0 Hz is not in the common tone list; programs that keep to "
                  "that list refuse this row",
                  "ch 2: CTCSS 198.0 Hz is not in the common tone list; programs that keep to "
                  "that list refuse this row",
                  "ch 3: CTCSS 202.7 Hz is not in the common tone list; programs that keep to "
                  "that list refuse this row"}));
}

TEST(ChannelPlanCsv, ExportNamesTheChannelsAnImportWouldNotGiveBack)
{
    CRadioImage image = PlanImage(5);
    PutChannel(image, 1, "GOOD", Side("140"), Side("140"));
    PutChannel(image, 2, "CODE", Side("141"), Side("141", -1, "023"));
    ASSERT_TRUE(image.SetTxDcs(1, 0, 511)); // 777, no code of the table
    PutChannel(image, 3, "LOW", Side("142"), Side("142"));
    ASSERT_TRUE(image.SetChannelName(2, "low")); // an import upper-cases it
    PutChannel(image, 4, "RX", Side("143", 3), Side("143"));

    std::string text;
    std::vector<std::string> notes;
    ASSERT_TRUE(CChannelPlanCsv::Export(image, 120, text, notes));
    ASSERT_EQ(notes.size(), 2U);
    EXPECT_EQ(notes[0].rfind("ch 2: line 2, column DtcsCode: Transmit Signaling Data set error", 0),
              0U)
        << notes[0];
    EXPECT_EQ(notes[1], "ch 3: the record holds bits the plan cannot carry; an import writes it "
                        "differently");
    EXPECT_NE(text.find("\r\n4,RX,143.000000,,0.000000,Cross,88.5,77.0,023,NN,023,->Tone,FM,5.00,S,"
                        "High,,,,,\r\n"),
              std::string::npos)
        << text;
}
