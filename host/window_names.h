#pragma once
// The host client's window classes and captions, exactly as the host uses them.

namespace host {

constexpr char kFrameClass[] = "AOL Frame25";
constexpr char kMdiClientClass[] = "MDIClient";
constexpr char kChildClass[] = "AOL Child";
constexpr char kToolbarClass[] = "AOL Toolbar";
constexpr char kToolbarBarClass[] = "_AOL_Toolbar";

constexpr char kIconClass[] = "_AOL_Icon";
constexpr char kStaticClass[] = "_AOL_Static";
constexpr char kViewClass[] = "_AOL_View";
constexpr char kRichClass[] = "RICHCNTL";
constexpr char kEditClass[] = "_AOL_Edit";
constexpr char kListboxClass[] = "_AOL_Listbox";
constexpr char kComboboxClass[] = "_AOL_Combobox";
constexpr char kImageClass[] = "_AOL_Image";

constexpr char kMenuClass[] = "#32768";
constexpr char kDialogClass[] = "#32770";
constexpr char kButtonClass[] = "Button";

constexpr char kComposeCaption[] = "Send Instant Message";
constexpr char kConversationCaptionPrefix[] = "  Instant Message To: ";
constexpr char kHostMessageBoxCaption[] = "America Online";
constexpr char kModalTransferName[] = "_AOL_Modal";

}  // namespace host
