// Every text of the application shell that the user sees, spelled exactly as
// shown, blanks included.
#pragma once

namespace AppText
{
// Windows and dialogs
inline constexpr char kMainTitle[] = "Borea 320";
inline constexpr char kAboutTitle[] = "About Vesk4";
inline constexpr char kAboutVersion[] = "Borea 320 Version 1.01";
inline constexpr char kDirectoryTitle[] = "Directory";
inline constexpr char kDirectoryName[] = "Directory Name";
inline constexpr char kHelpTitle[] = "Vesk4 Help";

// Messages
inline constexpr char kReadError[] = " Read Error !! ";
inline constexpr char kWriteError[] = " Write Error !! ";
// File Open that could not read the file: the path, then one of the reasons.
inline constexpr char kOpenErrorFormat[] = "The file %s could not be opened: %s.";
inline constexpr char kOpenMissing[] = "it does not exist";
inline constexpr char kOpenDenied[] = "permission to read it was denied";
inline constexpr char kOpenNotRegular[] = "it is not a regular file";
inline constexpr char kOpenUnreadable[] = "it could not be read";
// Unsaved edits: %1 is the file's name, kUntitled for an image never opened or
// saved; the title begins with kUnsavedMark while there are any.
inline constexpr char kSaveChangesFormat[] = "Save the changes to %1?";
inline constexpr char kUntitled[] = "Untitled";
inline constexpr char kUnsavedMark[] = "*";
// A recovery copy left by a program that ended without saving; %1 the file
// it came from.
inline constexpr char kRestoreFormat[] =
    "Vesk4 ended without saving the changes to %1. Restore the unsaved changes?";
inline constexpr char kRestoreFailed[] = "The unsaved changes could not be read.";
inline constexpr char kDirectoryNameError[] = "Directory Name Error !";
inline constexpr char kHelpMissing[] = "The help file Vesk4.hlp cannot be found.";
inline constexpr char kDemoStartError[] =
    "vesk4: --demo: the simulated radio could not be started\n";

// File dialogs
inline constexpr char kDumpFilter[] = "Dump File(*.dmp)";
inline constexpr char kDumpPattern[] = "*.dmp";
inline constexpr char kDumpExtension[] = ".dmp";

// Files fixed by name
inline constexpr char kComportIni[] = "Comport.ini";
// The devices chosen in Comport set are used, but the next start will not
// know them.
inline constexpr char kDevicesNotSaved[] =
    "The devices chosen for COM1 and COM2 could not be written to Comport.ini; they hold until "
    "the program ends.";
inline constexpr char kHelpFile[] = "Vesk4.hlp";

// Menus
inline constexpr char kMenuFile[] = "File(&F)";
inline constexpr char kMenuEdit[] = "Edit(&E)";
inline constexpr char kMenuUtility[] = "Utility(&U)";
inline constexpr char kMenuHelp[] = "Help(&H)";
inline constexpr char kMenuPrint[] = "Print(&P)";
inline constexpr char kFileOpen[] = "Open(&O)...\tCtrl+O";
inline constexpr char kFileSave[] = "Save(&S)\tCtrl+S";
inline constexpr char kPrintTextFormat[] = "Text Format(&T)";
inline constexpr char kPrintHexDump[] = "Hex. Dump(&H)";
inline constexpr char kFileClear[] = "Clear(&C)";
inline constexpr char kFileDirectory[] = "Directory(&D)";
inline constexpr char kFileEnd[] = "End(&X)";
inline constexpr char kMenuRecentFiles[] = "Recent Files(&R)";
inline constexpr char kNoRecentFiles[] = "(none)";
inline constexpr char kViewModel[] = "Model(&M)";
inline constexpr char kViewRadioComm[] = "Radio Comm(&R)";
inline constexpr char kView2Tone[] = "2tone(&N)";
inline constexpr char kViewChannel[] = "Channel(&H)";
inline constexpr char kViewOption[] = "Option(&O)";
inline constexpr char kViewManual[] = "Manual(&A)";
inline constexpr char kViewTest[] = "Test(&T)";
inline constexpr char kViewAdjust[] = "Adjust(&J)";
inline constexpr char kViewChannelList[] = "Channel List(&L)";
// Undo and Redo name the step they take back or make again.
inline constexpr char kEditUndo[] = "Undo(&U)\tCtrl+Z";
inline constexpr char kEditUndoStep[] = "Undo %1(&U)\tCtrl+Z";
inline constexpr char kEditRedo[] = "Redo(&R)\tCtrl+Shift+Z";
inline constexpr char kEditRedoStep[] = "Redo %1(&R)\tCtrl+Shift+Z";
// The steps the forms' own stores make, and File Clear's.
inline constexpr char kFormStep[] = "Edit on the %1 form";
inline constexpr const char* kFormNames[] = {"Model",  "Radio Comm", "Channel",
                                             "Manual", "Test",       "2tone",
                                             "Option", "Adjust",     "Channel List"};
inline constexpr char kClearStep[] = "File Clear";
inline constexpr char kComportSet[] = "Comport set(&C)";
inline constexpr char kHelpTopics[] = "Help Topics(&T)";
inline constexpr char kAbout[] = "Version(Vesk4) (&A)...";

// The standard print commands, reached by key only.
inline constexpr char kFilePrint[] = "Print...\tCtrl+P";
inline constexpr char kFilePrintDirect[] = "Print Direct";
inline constexpr char kFilePrintPreview[] = "Print Preview";

// vesk4 --print-pdf
inline constexpr char kPrintPdfOption[] = "--print-pdf";
inline constexpr char kPrintPdfReport[] = "report";
inline constexpr char kPrintPdfHexDump[] = "hexdump";
inline constexpr char kPrintPdfUsage[] =
    "vesk4: usage: vesk4 --print-pdf report|hexdump FILE.dmp OUT.pdf\n";
inline constexpr char kPrintPdfReadError[] = "vesk4: cannot read the dump file %s\n";
inline constexpr char kPrintPdfWriteError[] = "vesk4: cannot write %s\n";

// The command line of the windowed program
inline constexpr char kHelpOption[] = "--help";
inline constexpr char kHelpShortOption[] = "-h";
inline constexpr char kVersionOption[] = "--version";
inline constexpr char kDemoOption[] = "--demo";
inline constexpr char kVersionFormat[] = "vesk4 %s\n";
inline constexpr char kUsage[] =
    "Usage: vesk4 [--demo] [FILE.dmp]\n"
    "       vesk4 --print-pdf report|hexdump FILE.dmp OUT.pdf\n"
    "The programming tool for Borea 320 radios, in a window.\n"
    "\n"
    "  FILE.dmp        open this dump file at start-up, as File Open would\n"
    "  --demo          start with a simulated radio inside the program, on COM1\n"
    "                  and COM2\n"
    "  --print-pdf report|hexdump FILE.dmp OUT.pdf\n"
    "                  write the text report or the hex dump of a dump file to a\n"
    "                  PDF without opening a window (exit status 0 done, 1 the\n"
    "                  dump file cannot be read or the PDF cannot be written,\n"
    "                  2 wrong arguments)\n"
    "  --help, -h      show this text\n"
    "  --version       show the version\n"
    "  --              end of the options: what follows is a file name\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are accepted as well.\n"
    "Exit status: 0, or 1 when the window or the simulated radio could not be\n"
    "started, 2 for a command line that cannot be understood.\n";
// What the simulated radio of --demo is doing, as the port lines of the live
// forms show it: the receive or transmit command, lamp, beeper, last level.
inline constexpr char kDemoStatePrefix[] = "Simulated radio: ";
inline constexpr char kDemoNoTest[] = "no receive or transmit command taken yet";
inline constexpr char kDemoLampOn[] = "; lamp on";
inline constexpr char kDemoLampOff[] = "; lamp off";
inline constexpr char kDemoBeeperOn[] = ", beeper on";
inline constexpr char kDemoBeeperOff[] = ", beeper off";
inline constexpr char kDemoLastLevel[] = "; last level taken: ";
inline constexpr char kDemoNoLevel[] = "none";
inline constexpr char kDemoStateEnd[] = ".";
inline constexpr char kUnknownOption[] = "vesk4: unknown option '%s'\nTry 'vesk4 --help'.\n";
inline constexpr char kOneFileOnly[] =
    "vesk4: '%s': only one dump file can be opened\nTry 'vesk4 --help'.\n";
inline constexpr char kEmptyFileName[] =
    "vesk4: an empty file name was given\nTry 'vesk4 --help'.\n";
} // namespace AppText
