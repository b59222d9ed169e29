#pragma once
// The real client's window tree as hostsim builds it: the classes and
// captions it shows, and the counted lookup by which a window's controls are
// known. Kept apart from the add-on's own names and lookups on purpose: were
// they shared, a slip in them would be made by the host and the add-on alike
// and no test could see it.
#include <windows.h>

namespace hostsim::tree {

// The main window, found by class alone; its document area holds one child
// window per open host window.
constexpr char kFrameClass[] = "AOL Frame25";
constexpr char kDocumentAreaClass[] = "MDIClient";
constexpr char kChildClass[] = "AOL Child";
// The toolbar, holding the bar that holds the toolbar's icon buttons.
constexpr char kToolbarClass[] = "AOL Toolbar";
constexpr char kToolbarBarClass[] = "_AOL_Toolbar";

// The controls, direct children of a host window or of the toolbar's bar.
constexpr char kIconClass[] = "_AOL_Icon";
constexpr char kStaticClass[] = "_AOL_Static";
constexpr char kViewClass[] = "_AOL_View";
constexpr char kRichClass[] = "RICHCNTL";
constexpr char kEditClass[] = "_AOL_Edit";
constexpr char kListboxClass[] = "_AOL_Listbox";
constexpr char kComboboxClass[] = "_AOL_Combobox";
constexpr char kImageClass[] = "_AOL_Image";

// The system's own classes for a popup menu, a message box and its buttons.
constexpr char kPopupMenuClass[] = "#32768";
constexpr char kMessageBoxClass[] = "#32770";
constexpr char kMessageBoxButtonClass[] = "Button";

// Captions: the compose window, a conversation the user started (followed by
// the screen name), the host's message box. The transfer window is a second
// document-area-class child of the frame, known by this name.
constexpr char kComposeCaption[] = "Send Instant Message";
constexpr char kConversationCaptionPrefix[] = "  Instant Message To: ";
constexpr char kMessageBoxCaption[] = "America Online";
constexpr char kTransferWindowName[] = "_AOL_Modal";
// The frame's own caption, which nobody looks it up by.
constexpr char kFrameCaption[] = "America  Online";

// The control that `n` counted lookups of class `cls` under `parent` land on:
// the first child of the class, then each time the next one after it. After
// the last child a lookup gives 0, and the lookup after 0 starts again at the
// first, so this is the control the add-on reaches when it asks for the Nth.
HWND NthChild(HWND parent, const char* cls, int n);

}  // namespace hostsim::tree
