#include "ui/main/list_sync.h"

#include <utility>

namespace hushwall {
namespace {

// A list box redraws after every edit; beyond a few edits, drawing the whole box
// once at the end is far cheaper.
constexpr std::size_t kEditsDrawnOneByOne = 8;

}  // namespace

ListBoxBinding::ListBoxBinding(EntryList& model, ListBoxPort& view, bool mirrors_marks)
    : model_(model), view_(view), mirrors_marks_(mirrors_marks) {}

void ListBoxBinding::Sync() {
  SyncContent();
  if (mirrors_marks_) SyncSelection();
}

void ListBoxBinding::SyncContent() {
  if (content_known_ && model_.Revision() == shown_revision_) return;
  // Every scan tick prunes the seen list and adds the open browser windows back: a
  // new revision with the same texts, which needs neither a copy nor edits.
  if (content_known_ && ShowsModel()) {
    shown_revision_ = model_.Revision();
    return;
  }
  std::vector<std::string> wanted;
  wanted.reserve(static_cast<std::size_t>(model_.Count()));
  for (int i = 0; i < model_.Count(); ++i) wanted.push_back(model_.At(i));
  const std::vector<ListEdit> edits = ComputeListEdits(shown_, wanted);
  const bool bulk = edits.size() > kEditsDrawnOneByOne;
  if (bulk) view_.SetRedraw(false);
  for (const ListEdit& edit : edits) {
    if (edit.kind == ListEdit::Kind::Delete)
      view_.DeleteAt(edit.index);
    else
      view_.InsertAt(edit.index, edit.text);
  }
  if (bulk) view_.SetRedraw(true);
  shown_ = std::move(wanted);
  shown_revision_ = model_.Revision();
  content_known_ = true;
}

bool ListBoxBinding::ShowsModel() const {
  if (shown_.size() != static_cast<std::size_t>(model_.Count())) return false;
  for (int i = 0; i < model_.Count(); ++i)
    if (shown_[static_cast<std::size_t>(i)] != model_.At(i)) return false;
  return true;
}

void ListBoxBinding::SyncSelection() {
  int marked = -1;
  for (int i = 0; i < model_.Count() && marked < 0; ++i)
    if (model_.IsSelected(i)) marked = i;
  if (view_.Selection() != marked) view_.Select(marked);
}

void ListBoxBinding::OnUserSelection(int index) {
  if (!mirrors_marks_) return;
  for (int i = 0; i < model_.Count(); ++i) model_.SetSelected(i, i == index);
}

}  // namespace hushwall
