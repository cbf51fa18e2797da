#pragma once

// Every window id the program fixes, named once: the code that makes a control
// and the event table that handles it both use the name, so the two cannot
// drift apart. Where one number means two things, it has two names.

// Menu items and main toolbar tools share their ids and their handlers.
enum : int {
    ID_NewBingo = 6001,
    ID_Documentation = 6002,
    ID_Print = 6003,
    ID_Save = 6004,
    ID_Open = 6005,
    ID_NewCrossword = 6006,
    ID_NewWordSearch = 6007,
    ID_NewWordScramble = 6008,
};

// The tools of the big demonstration toolbar.
enum : int {
    ID_DemoToolError = 101,
    ID_DemoToolQuestion,
    ID_DemoToolInformation,
    ID_DemoToolWarning,
    ID_DemoToolMissingImage,
};

// Docking items whose check marks follow the pane manager's settings.
enum : int {
    ID_AllowFloating = 6022,
    ID_TransparentHint = 6024,
    ID_VenetianBlindsHint,
    ID_RectangleHint,
    ID_NoHint,
    ID_HintFade,
    ID_NoVenetianFade,
    ID_TransparentDrag,
    ID_NoGradient,
    ID_VerticalGradient,
    ID_HorizontalGradient,
    ID_NotebookNoCloseButton = 6035,
    ID_NotebookCloseButton,
    ID_NotebookCloseButtonAll,
    ID_NotebookCloseButtonActive,
    ID_NotebookAllowTabMove,
    ID_NotebookAllowTabExternalMove,
    ID_NotebookAllowTabSplit,
    ID_NotebookWindowList,
    ID_NotebookScrollButtons,
    ID_NotebookTabFixedWidth,
};

// The commands that load a saved layout; the range is wider than the list of layouts.
constexpr int ID_FirstPerspective = 7020;
constexpr int ID_LastPerspective = 8020;

// The dock-art settings panel, in the order its controls are made.
enum : int {
    ID_PaneBorderSize = 6000,
    ID_SashSize,
    ID_CaptionSize,
    ID_BackgroundColour,
    ID_SashColour,
    ID_InactiveCaptionColour,
    ID_InactiveCaptionGradientColour,
    ID_InactiveCaptionTextColour,
    ID_ActiveCaptionColour,
    ID_ActiveCaptionGradientColour,
    ID_ActiveCaptionTextColour,
    ID_BorderColour,
    ID_GripperColour,
};

// The browser view of every puzzle.
constexpr int ID_PuzzleView = 999;

// Every word list dialog: crossword, word search and bingo.
constexpr int WordListDialogId = 1000;
enum : int {
    ID_WordGrid = 1003,
    ID_NumCards = 1003,
    ID_UseClues = 1004,
    ID_LoadWordList = 1005,
    ID_SaveWordList = 1006,
    ID_Done = 1007,
    ID_CancelWordList = 1008,
    ID_TitleLabel = 1009,
    ID_NumCardsLabel = 1009,
    ID_TitleBox = 1010,
    ID_FreeSpace = 1011,
};

// The side panel below the tabs. Its commands travel up to the frame.
constexpr int ID_SidePanel = 1;
enum : int {
    ID_EditWordList = 1002,
    ID_SidePanelTitle = 1004,
    ID_ShowSolutions = 1006,
};

// The print dialog.
constexpr int PrintDialogId = 1;
enum : int {
    ID_PrinterLabel = 1020,
    ID_Printers = 1021,
    ID_CopiesLabel = 1022,
    ID_Copies = 1024,
    ID_PrintAccept = 1027,
    ID_PrintCancel = 1029,
};
