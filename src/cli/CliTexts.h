// Texts that vesk4-cli shows.
#pragma once

inline constexpr const char* kCliUsage =
    "Usage: vesk4-cli COMMAND [options] [arguments]\n"
    "Reads and writes a Borea 320 radio through a serial port.\n"
    "\n"
    "Commands:\n"
    "  upload   --port P -o FILE.dmp      read the radio's EEPROM into a dump file\n"
    "  download --port P FILE.dmp         write a dump file into the radio's EEPROM\n"
    "  verify   --port P FILE.dmp         list the bytes in which the radio differs\n"
    "                                     from the file (exit 1 when any does)\n"
    "  ram-read  --port P ADDR COUNT      list COUNT (0..8) bytes of the radio's RAM\n"
    "  ram-write --port P ADDR BYTE...    write 1..8 bytes into RAM 40..43F\n"
    "  report  FILE.dmp                   the text report of a dump file\n"
    "  hexdump FILE.dmp                   the hex dump of a dump file\n"
    "  info    FILE.dmp                   model, identification, capacity and\n"
    "                                     channels in use of a dump file\n"
    "  clone   --port P PLAN.dmp          give the radio the plan's channels, group\n"
    "                                     names, options, 2-tone and ANI, keeping its\n"
    "                                     own identity, model, reference and IF\n"
    "                                     settings and alignment; write, read back\n"
    "                                     and compare; the radio's original is kept\n"
    "                                     as a backup\n"
    "  fleet   PLAN.dmp --port P1 --port P2 ...  clone the plan onto one radio a\n"
    "                                     port, all at once (--journal FILE.csv\n"
    "                                     keeps a row a radio, --loop takes the\n"
    "                                     next radio on each port until Ctrl+C)\n"
    "  journal FILE.csv                   radios done and failed, and each serial\n"
    "                                     number's last result, of a fleet journal\n"
    "  backups                            list the kept backups, newest last, with\n"
    "                                     each radio's serial number and model\n"
    "  check   FILE.dmp                   what the image would give the radio that it\n"
    "                                     cannot use (errors) and what to hear of\n"
    "                                     before programming (warnings), by channel\n"
    "                                     and field; download and clone make the same\n"
    "                                     check and write nothing after an error\n"
    "                                     unless --force is given\n"
    "  diff    A.dmp B.dmp                the differences between two dump files by\n"
    "                                     field (exit 1 when they differ)\n"
    "  diff    --port P A.dmp             the same between a dump file and the radio\n"
    "  export-csv FILE.dmp OUT.csv        the channels in use as a CSV channel plan\n"
    "                                     (OUT.csv - writes to standard output)\n"
    "  import-csv FILE.dmp IN.csv OUT.dmp [--merge]\n"
    "                                     FILE.dmp with the channels of the plan;\n"
    "                                     channels it does not list become empty\n"
    "                                     unless --merge keeps them\n"
    "  new --model NAME OUT.dmp           a new dump file for the model NAME as the\n"
    "                                     Model form lists it (\"VHF(H) A Band\"),\n"
    "                                     with its default reference steps and\n"
    "                                     injection side, to begin a plan without a\n"
    "                                     radio; never replaces a file\n"
    "  ports [--diagnose]                 the serial devices present, one a line: node,\n"
    "                                     name, stable by-id name, USB ids, maker and\n"
    "                                     product, serial number, driver and who holds\n"
    "                                     it; --diagnose says why one cannot be had\n"
    "  ports --port P                     whether P can be opened, and if not why and\n"
    "                                     what to do\n"
    "\n"
    "To put a backup back on its radio: vesk4-cli download --port P --verify BACKUP\n"
    "(vesk4-cli backups lists them).\n"
    "\n"
    "ADDR and BYTE are hexadecimal (\"123\" or \"0x123\"), COUNT is decimal.\n"
    "\n"
    "CSV channel plans have the columns Location, Name, Frequency, Duplex, Offset,\n"
    "Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode,\n"
    "Mode, TStep, Skip, Power, Comment (any order; other columns are ignored).\n"
    "Location is the channel number, Frequency the receive frequency in MHz;\n"
    "Duplex \"\", \"+\", \"-\", \"split\" (Offset is then the transmit frequency) or\n"
    "\"off\" (no transmit side); Tone \"\", Tone, TSQL, DTCS or Cross with CrossMode\n"
    "Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, Tone->, DTCS->, ->Tone or\n"
    "->DTCS; DtcsPolarity NN, NR, RN or RR (transmit, receive; R = inverted);\n"
    "Mode FM (wide) or NFM (narrow); Skip S = not in scan group A; Power High or\n"
    "Low. TStep is written for information and not read. What has no column goes\n"
    "in Comment as {items}, any of: compander, dtone, ani, scanB (in scan group\n"
    "B), scrambler (each present = enabled) and aux=BBBBBBBB (the auxiliary bits,\n"
    "bit 7 first; absent = 11111111); text before the braces is ignored. Every row\n"
    "is checked as the Channel form checks an entry; a refused row is named by\n"
    "line, column and reason, and nothing is written.\n"
    "check exits 0 when it finds nothing, 1 with warnings only and 14 with errors.\n"
    "diff exits 0 when the images hold the same configuration and 1 when they\n"
    "differ; export-csv and import-csv exit 14 when the image has no model or a\n"
    "row is refused.\n"
    "\n"
    "Options:\n"
    "  --port P         COM1..COM4, a device path such as /dev/ttyUSB0 or a name\n"
    "                   from /dev/serial/by-id (vesk4-cli ports lists them); COM1..COM4\n"
    "                   are /dev/ttyS0..3 unless section [Devices] of Comport.ini in\n"
    "                   the current directory names others (COM1=/dev/ttyUSB0)\n"
    "  --timeout SEC    how long to wait for the radio's first answer (default 3)\n"
    "  --silence SEC    how long the radio may pause in the middle of a transfer\n"
    "                   before it counts as fallen silent (default 1)\n"
    "  --progress       always draw the progress bar (default: only on a terminal)\n"
    "  --quiet          never draw it\n"
    "  --verify         download: read the radio back and compare\n"
    "  --force          download, clone, fleet: write even when the check finds errors\n"
    "  --diagnose       ports: say why each port cannot be had\n"
    "  --trace FILE     write every record sent and received, with the milliseconds\n"
    "                   since the start, to FILE\n"
    "  --no-backup      keep no backup of what is read from the radio (as does\n"
    "                   VESK4_BACKUPS=off); backups are kept in $XDG_DATA_HOME/\n"
    "                   vesk4/backups, else ~/.local/share/vesk4/backups\n"
    "  --backup-dir DIR keep the backups in DIR instead\n"
    "  --journal FILE   fleet: append a CSV row for every radio, on the disk as\n"
    "                   soon as the radio is done\n"
    "  --loop           fleet: when a radio is done, wait for the next on its port\n"
    "  --status         fleet: each port's state as tab-separated lines on standard\n"
    "                   error: fleet-status, port, phase, percent, serial, result\n"
    "  --model NAME     new: the radio model\n"
    "  --channels N     new: 120 (the default) or 320 channels\n"
    "  --help           show this text\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 done, 1 verify found differences, 2 bad command line,\n"
    "3 no answer from the radio, 4 the radio fell silent mid-transfer,\n"
    "5 a bad record, an early end or nothing readable from the radio,\n"
    "6 no such port, 7 port in use, 8 no permission for the port, 9 port lost,\n"
    "10 file error (also when the output cannot be written; a reader that went\n"
    "away ends the program as SIGPIPE ends cat: 141 in the shell), 11 the radio\n"
    "could not be written, 12 the radio read back differs from what was written,\n"
    "13 a clone plan that does not fit the radio (nothing was written), 14 a CSV\n"
    "row refused, an image without a model or one whose check found errors\n"
    "(nothing was written), 130 after Ctrl+C and 143 after\n"
    "SIGTERM (128 + the signal), which cancel a transfer cleanly: a download\n"
    "still sends its end record while the radio takes data, and says so when\n"
    "it cannot.\n";

inline constexpr const char* kCliPrefix = "vesk4-cli: ";
inline constexpr const char* kCliVersion = "vesk4-cli %s\n";
inline constexpr const char* kBadCommandLine = "vesk4-cli: %s\nTry 'vesk4-cli --help'.\n";
inline constexpr const char* kUnknownCommand = "unknown command '%s'";
inline constexpr const char* kUnknownOption = "unknown option '%s'";
inline constexpr const char* kMissingValue = "option '%s' needs a value";
inline constexpr const char* kNoCommand = "no command given";
inline constexpr const char* kBadSeconds = "%s needs a number of seconds above 0, at most 3600";
inline constexpr const char* kNeedPort = "--port is required";
inline constexpr const char* kNeedOutput = "-o FILE.dmp is required";
inline constexpr const char* kWrongArguments = "wrong number of arguments for '%s'";
inline constexpr const char* kBadPortName =
    "'%s' is neither COM1..COM4, a device path nor a name in /dev/serial/by-id";
inline constexpr const char* kBadAddress = "'%s' is not a hexadecimal address";
inline constexpr const char* kBadCount = "'%s' is not a byte count";
inline constexpr const char* kBadByte = "'%s' is not a hexadecimal byte";
inline constexpr const char* kUnknownModel = "'%s' is not a model; the models are: %s";
inline constexpr const char* kNeedModel = "new needs --model NAME";
inline constexpr const char* kBadChannels = "--channels needs 120 or 320";
inline constexpr const char* kNewExists =
    "vesk4-cli: %s already exists; new writes only a file that does not.\n";
inline constexpr const char* kNewDone = "%s: a new image of %s with %d channels\n";

inline constexpr const char* kNoAnswer =
    "vesk4-cli: no answer from the radio on %s within %g s. Check that the radio is\n"
    "switched on and connected, or allow more time with --timeout.\n";
inline constexpr const char* kUnreadableAnswer =
    "vesk4-cli: %s\nNothing readable came on %s within %g s. Check the cable and that the\n"
    "device on the port is the radio.\n";
inline constexpr const char* kSilence =
    "vesk4-cli: the radio fell silent in the middle of the transfer.\n";
inline constexpr const char* kBadRecord =
    "vesk4-cli: the radio sent a bad record; nothing was saved.\n";
inline constexpr const char* kEarlyEnd =
    "vesk4-cli: EEPROM copy error: the radio ended its EEPROM at 0x%04X, but its capacity\n"
    "calls for the EEPROM up to 0x%04X; nothing was saved.\n";
inline constexpr const char* kRequestNotSent =
    "vesk4-cli: the request could not be sent to the radio.\n";
inline constexpr const char* kInterrupted = "vesk4-cli: interrupted; nothing was saved.\n";
inline constexpr const char* kInterruptedDownload =
    "vesk4-cli: interrupted; the download was cancelled and its end record sent.\n"
    "The radio's EEPROM may now hold part of the new image: download it again.\n";
inline constexpr const char* kInterruptedDownloadNoEnd =
    "vesk4-cli: interrupted; the download was cancelled at address 0x%04X, but its end record\n"
    "could not be sent: the radio is still in programming mode, and its EEPROM may now hold\n"
    "part of the new image. Power the radio off and on, or download again.\n";
inline constexpr const char* kNoSuchPort = "vesk4-cli: the port %s (%s) does not exist.\n";
inline constexpr const char* kPortBusy =
    "vesk4-cli: the port %s (%s) is in use by another program.\n";
inline constexpr const char* kPortDenied =
    "vesk4-cli: no permission to open %s. Add your user to the group that owns the\n"
    "serial devices (usually dialout: sudo usermod -aG dialout $USER), then log in again.\n";
inline constexpr const char* kNotSerial = "vesk4-cli: %s is not a serial device.\n";
inline constexpr const char* kPortFailed = "vesk4-cli: the port %s (%s) could not be opened.\n";
inline constexpr const char* kPortLost =
    "vesk4-cli: the port %s went away (unplugged adapter or closed device).\n";
inline constexpr const char* kLockBusy =
    "vesk4-cli: %s\n(another Vesk4 program kept the port lock Vesk4Mutex for too long)\n";
inline constexpr const char* kWriteStopped =
    "vesk4-cli: EEPROM program error: the radio stopped taking data at address 0x%04X.\n"
    "Its EEPROM may now hold part of the new image, and it may still be in programming\n"
    "mode: power the radio off and on, or download again.\n";
inline constexpr const char* kRamWriteFailed = "vesk4-cli: the RAM write could not be sent.\n";
inline constexpr const char* kRamReadFailed = "vesk4-cli: RAM copy error.\n";
inline constexpr const char* kFileReadError = "vesk4-cli: cannot read the dump file %s: %s\n";
inline constexpr const char* kOutputWriteError = "vesk4-cli: cannot write the output: %s\n";
inline constexpr const char* kFileWriteError = "vesk4-cli: cannot write the dump file %s: %s\n";
// The reasons a file is refused that the system has no fitting words for.
inline constexpr const char* kReasonFolder = "it is a folder";
inline constexpr const char* kReasonNotRegular = "it is not a regular file";
inline constexpr const char* kReasonTooLarge = "it is larger than 16 MB";
inline constexpr const char* kReasonTooShort = "it is too short for a dump file";
inline constexpr const char* kReasonNotStored = "the image read could not be stored";
inline constexpr const char* kUploadDone = "EEPROM copy complete. (%d channels) -> %s\n";
inline constexpr const char* kDownloadDone = "EEPROM program complete.\n";
inline constexpr const char* kVerifySummary = "%zu byte(s) differ.\n";

// diff, export-csv and import-csv.
inline constexpr const char* kCheckSummary = "%s: %zu error(s), %zu warning(s).\n";
inline constexpr const char* kCheckRefused =
    "vesk4-cli: %s is not written: its check found %zu error(s); --force writes it all the "
    "same.\n";
inline constexpr const char* kCheckForced =
    "vesk4-cli: %s is written with %zu error(s), as --force asks.\n";
inline constexpr const char* kDiffSummary = "%zu difference(s).\n";
inline constexpr const char* kNoModelForPlan =
    "vesk4-cli: %s has no radio model chosen, so its channels have no frequencies.\n"
    "Choose one on the Model form, or begin a plan with: vesk4-cli new --model NAME OUT.dmp\n";
inline constexpr const char* kPlanReadError = "vesk4-cli: cannot read the channel plan %s: %s\n";
inline constexpr const char* kPlanWriteError = "vesk4-cli: cannot write the channel plan %s: %s\n";
inline constexpr const char* kPlanProblem = "vesk4-cli: %s: %s\n";
inline constexpr const char* kPlanRefused =
    "vesk4-cli: %zu problem(s) in %s; nothing was written.\n";
inline constexpr const char* kPlanNote = "vesk4-cli: note: %s\n";
inline constexpr const char* kPlanExported = "%d channel(s) -> %s\n";
inline constexpr const char* kPlanImported = "%s: %d channel(s) in use after the plan %s\n";

// Backups, clone, --verify and --trace.
inline constexpr const char* kBackupKept = "Backup of the radio kept in %s\n";
inline constexpr const char* kBackupWarning =
    "vesk4-cli: warning: no backup of the radio was kept (%s)\n";
inline constexpr const char* kBackupNoFolder =
    "neither XDG_DATA_HOME nor HOME names a folder for it";
inline constexpr const char* kBackupFolderFailed = "cannot create the folder %s";
inline constexpr const char* kBackupNameExhausted = "too many backups this second in %s";
inline constexpr const char* kBackupWriteFailed = "cannot write in %s";
inline constexpr const char* kBackupsNone = "No backups in %s\n";
inline constexpr const char* kBackupsUnreadable = "vesk4-cli: cannot read the folder %s\n";
inline constexpr const char* kBackupsHeading = "%-36s %-10s %-16s %s\n";
inline constexpr const char* kBackupsFile = "FILE";
inline constexpr const char* kBackupsSerial = "SERIAL";
inline constexpr const char* kBackupsModel = "MODEL";
inline constexpr const char* kBackupsTime = "TIME";
inline constexpr const char* kBackupsNoModel = "(no model)";
inline constexpr const char* kBackupsUnreadableFile = "(unreadable)";
inline constexpr const char* kBackupsFolder = "Folder: %s\n";

inline constexpr const char* kTraceFirstLine = "# vesk4-cli trace started %s\n";
inline constexpr const char* kTraceSent = "-> ";
inline constexpr const char* kTraceReceived = "<- ";
inline constexpr const char* kTraceFailed = "-> write failed: ";
inline constexpr const char* kTraceOpenError = "vesk4-cli: cannot write the trace file %s: %s\n";

inline constexpr const char* kReadBackDiffers =
    "vesk4-cli: the radio read back differs from what was written: first at\n"
    "address 0x%04X (written %02X, read %02X), %zu byte(s) in all.\n";
inline constexpr const char* kChannelsBeyondTheRadio =
    "vesk4-cli: the radio holds %d channels, so only those were compared; %d channel(s)\n"
    "of the file in use among channels %d-%d are not in the radio.\n";
inline constexpr const char* kReadBackSame = "Read back and compared: the radio holds what was written.\n";

inline constexpr const char* kCloneRefused = "vesk4-cli: the plan %s does not fit the radio: %s;\n"
                                             "nothing was written.\n";
inline constexpr const char* kCloneRadioModelUnset = "the radio has no model set";
inline constexpr const char* kClonePlanModelUnset = "the plan has no model set";
inline constexpr const char* kCloneOtherModel = "the plan is for %s, the radio is %s";
inline constexpr const char* kCloneOtherCapacity =
    "the plan has %d channels, the radio %d";
inline constexpr const char* kCloneOtherReference =
    "the plan's reference steps differ from the radio's, so its channels would tune "
    "other frequencies";
inline constexpr const char* kCloneOtherInjection =
    "the plan's injection side differs from the radio's, so its receive channels would "
    "tune other frequencies";
inline constexpr const char* kCloneOriginalKept =
    "vesk4-cli: the radio's original image is kept in %s\n";
inline constexpr const char* kCloneNoSafetyCopy =
    "vesk4-cli: the radio's original image could not be kept (%s); nothing was written.\n";
inline constexpr const char* kCloneDone =
    "%s: serial %s, %s, %d channels: plan %s written and verified; original in %s\n";
inline constexpr const char* kCloneDoneNoBackup =
    "%s: serial %s, %s, %d channels: plan %s written and verified\n";

// ports
inline constexpr const char* kPortsNone = "No serial devices found.\n";
inline constexpr const char* kPortsFree = "free";
inline constexpr const char* kPortsHeldBy = "held by";
inline constexpr const char* kPortsNoAccess = "no access (group";
inline constexpr const char* kPortsUsable = "%s: can be opened.\n";
inline constexpr const char* kPortsDiagnosis = "%s: %s\n";
inline constexpr const char* kPortsNotOpened = "it could not be opened.";
inline constexpr const char* kPortsSharedWith =
    "Note: %s (process %d) has it open too; what it sends and reads mixes with the radio's.\n";
// The line after a port error that says why and what to do.
inline constexpr const char* kDiagnosisLine = "vesk4-cli: %s\n";
