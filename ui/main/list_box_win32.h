#pragma once
// A Win32 list box as the view of a list binding.
#include <windows.h>

#include "ui/main/list_sync.h"

namespace hushwall {

class ListBoxControl : public ListBoxPort {
 public:
  explicit ListBoxControl(HWND list_box = nullptr) : list_box_(list_box) {}
  void Attach(HWND list_box) { list_box_ = list_box; }
  HWND Handle() const { return list_box_; }

  void InsertAt(int index, const std::string& text) override;
  void DeleteAt(int index) override;
  int Selection() const override;
  void Select(int index) override;
  // Whether the selected line's text is `text`.
  bool SelectedLineReads(const std::string& text) const;
  void SetRedraw(bool on) override;

 private:
  HWND list_box_;
};

}  // namespace hushwall
