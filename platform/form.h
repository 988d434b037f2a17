#pragma once
// Child controls declared as data, positioned in twips like the window layouts they
// come from, and the conversion to the screen's pixels.
#include <span>
#include <vector>

#include "platform/font_description.h"

namespace hushwall {

enum class ControlKind {
  Pane, ListBox, Label, CheckBox, PushButton, Picture, SkinnedButton, ProgressBar,
  TextBox,
  // A label showing a file path: shortened in its middle when too long, so the drive
  // and the file name stay in sight, and an "&" in it shown as typed.
  PathLabel,
  // Filled by the system's directory-list functions: drives in a drop-down list,
  // folders and files in sorted list boxes.
  DriveList, FolderList, FileList,
};

// The kind's name as lookups by name report it, such as "Label".
const char* TypeNameOf(ControlKind kind);

struct ControlDefinition {
  const char* name;
  ControlKind kind;
  const char* caption;
  const char* parent;  // name of the pane holding it; nullptr: the window itself
  int left, top, width, height;  // twips, relative to the parent's client area
  bool visible;
  int tab_index;  // order among the controls of one parent
  FontDescription font;
  int id;  // control id for notifications
  const char* picture = nullptr;  // skinned button: its skin's picture box; nullptr: the default
};

// A twips value in pixels at `dpi` dots per inch (1440 twips to the inch), rounded
// to the nearest pixel, halves to the even neighbour.
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);

// The order to create the controls in: the window's own controls first, then those
// inside panes, each group by tab index. Creation order is tab order per parent.
std::vector<const ControlDefinition*> CreationOrder(std::span<const ControlDefinition> controls);

}  // namespace hushwall
