// Command identifiers of the main menu and the numbering of the editor views.
#pragma once

// The eight editor views, in the numbering the document templates, the main
// frame's active view and the commands share.
enum ViewIndex : int
{
    VIEW_MODEL = 0,
    VIEW_CONNECT = 1, // Radio Comm
    VIEW_CHANNEL = 2,
    VIEW_MANUAL = 3,
    VIEW_TEST = 4,
    VIEW_2TONE = 5,
    VIEW_OPTION = 6,
    VIEW_ADJUST = 7,
    VIEW_CHANNEL_LIST = 8,
    VIEW_COUNT = 9
};

// Menu command identifiers; kept as numbers so that the menu, the enabling rules
// and the tests can name every command the same way.
enum CommandId : int
{
    ID_VIEW_MODEL = 32771,
    ID_VIEW_CONNECT = 32772,
    ID_VIEW_2TONE = 32773,
    ID_VIEW_CHANNEL = 32774,
    ID_VIEW_OPTION = 32775,
    ID_VIEW_MANUAL = 32776,
    ID_VIEW_TEST = 32777,
    ID_VIEW_ADJUST = 32778,
    ID_VIEW_CHANNEL_LIST = 32779,
    ID_EDIT_UNDO = 32786,
    ID_EDIT_REDO = 32787,
    ID_COMPORT_SET = 32780,
    ID_FILE_CLEAR = 32781,
    ID_PRINT_TEXT = 32782,
    ID_PRINT_HEXDUMP = 32783,
    ID_HELP_TOPICS = 32784,
    ID_FILE_DIRECTORY = 32785,
    // Channel plans and comparisons.
    ID_PLAN_IMPORT = 32796,
    ID_PLAN_EXPORT = 32797,
    ID_COMPARE_FILE = 32798,
    ID_COMPARE_RADIO = 32799,
    // Several radios at once.
    ID_FLEET = 32800,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    // The standard print commands; no menu shows them, Ctrl+P reaches Print.
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665
};

// The view a view command opens.
constexpr int ViewOfCommand(int id)
{
    switch (id)
    {
    case ID_VIEW_MODEL:
        return VIEW_MODEL;
    case ID_VIEW_CONNECT:
        return VIEW_CONNECT;
    case ID_VIEW_2TONE:
        return VIEW_2TONE;
    case ID_VIEW_CHANNEL:
        return VIEW_CHANNEL;
    case ID_VIEW_OPTION:
        return VIEW_OPTION;
    case ID_VIEW_MANUAL:
        return VIEW_MANUAL;
    case ID_VIEW_TEST:
        return VIEW_TEST;
    case ID_VIEW_ADJUST:
        return VIEW_ADJUST;
    case ID_VIEW_CHANNEL_LIST:
        return VIEW_CHANNEL_LIST;
    default:
        return -1;
    }
}
