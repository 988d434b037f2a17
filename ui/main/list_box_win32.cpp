#include "ui/main/list_box_win32.h"

namespace hushwall {

void ListBoxControl::InsertAt(int index, const std::string& text) {
  SendMessageA(list_box_, LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBoxControl::DeleteAt(int index) {
  SendMessageA(list_box_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int ListBoxControl::Selection() const {
  LRESULT selected = SendMessageA(list_box_, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

bool ListBoxControl::SelectedLineReads(const std::string& text) const {
  const int selected = Selection();
  if (selected < 0) return false;
  const LRESULT length = SendMessageA(list_box_, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == LB_ERR || std::size_t(length) != text.size()) return false;
  std::string line(std::size_t(length) + 1, '\0');
  SendMessageA(list_box_, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(line.data()));
  return line.compare(0, text.size(), text) == 0;
}

void ListBoxControl::Select(int index) {
  SendMessageA(list_box_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBoxControl::SetRedraw(bool on) {
  SendMessageA(list_box_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(list_box_, nullptr, TRUE);
}

}  // namespace hushwall
