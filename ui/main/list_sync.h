#pragma once
// Keeps a list box showing one list of the model. A change is applied as the
// smallest run of deletions and insertions, and content that did not change is not
// touched at all, so the user's selection and scroll position survive every tick.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/blocking_state.h"

namespace hushwall {

struct ListEdit {
  enum class Kind { Delete, Insert };
  Kind kind;
  int index;         // position in the list as it stands when this edit runs
  std::string text;  // inserted text; empty for a deletion
  bool operator==(const ListEdit&) const = default;
};

// The edits, to be applied in order, that turn `shown` into `wanted` with the
// fewest deletions and insertions. Very different long lists are replaced wholesale
// instead, which is still correct, just not minimal.
std::vector<ListEdit> ComputeListEdits(std::span<const std::string> shown,
                                       std::span<const std::string> wanted);

// What the binding needs of a list box.
class ListBoxPort {
 public:
  virtual ~ListBoxPort() = default;
  virtual void InsertAt(int index, const std::string& text) = 0;
  virtual void DeleteAt(int index) = 0;
  virtual int Selection() const = 0;  // -1 when nothing is selected
  virtual void Select(int index) = 0;  // -1 clears the selection
  // Off: edits are not drawn as they are made. On again: the whole box is drawn.
  virtual void SetRedraw(bool on) = 0;
};

class ListBoxBinding {
 public:
  // With `mirrors_marks`, the list box's selection is the list's first marked entry
  // and the user's clicks set the marks; otherwise the selection is the list box's own.
  ListBoxBinding(EntryList& model, ListBoxPort& view, bool mirrors_marks);

  // Brings the list box up to date with the model.
  void Sync();
  // The user selected entry `index` (-1: none) in the list box.
  void OnUserSelection(int index);

  std::span<const std::string> Shown() const { return shown_; }

 private:
  void SyncContent();
  void SyncSelection();
  // Whether the list box already shows the model's texts.
  bool ShowsModel() const;

  EntryList& model_;
  ListBoxPort& view_;
  bool mirrors_marks_;
  bool content_known_ = false;
  std::uint64_t shown_revision_ = 0;
  std::vector<std::string> shown_;
};

}  // namespace hushwall
