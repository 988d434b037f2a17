#include "ui/windows/info_texts.h"

namespace hushwall::help_texts {

const char kHelpText[] =
    "Vantel Hushwall can help you get rid of annoying advertising popup windows.\r\n"
    "\r\n"
    "There is nothing to set up: no keywords to type and no list of web sites to keep, "
    "as other blockers need before they can stop a single popup.\r\n"
    "\r\n"
    "It works quietly beside your other programs, never gets in their way and does not "
    "make your browser crash.\r\n"
    "\r\n"
    "Links that open in a new window keep working, whether they are plain links or "
    "driven by a script.\r\n"
    "\r\n"
    "You can still open a new browser window of your own whenever you want one.\r\n"
    "\r\n"
    "Popups that appear when the mouse passes over a page, when you leave a page or "
    "when you enter one are closed as they come.\r\n"
    "\r\n"
    "Once it is installed there is nothing more to do: it blocks on its own while you "
    "browse, and you can switch it off whenever you like.\r\n"
    "\r\n"
    "It watches the windows of Microsoft Internet Explorer, Netscape and Opera, the "
    "browsers it supports.\r\n"
    "\r\n"
    "After installation a small icon sits in the notification area of the taskbar, "
    "ready to work. Open its menu from there to show the main window or to end the "
    "program.";

}  // namespace hushwall::help_texts
