// The items, selection and scroll position of a list box, apart from its window and painting. Indexes
// run from 0; -1 (LB_ERR) means none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win/winuser.h"

namespace win {

class ListBoxModel {
 public:
  struct Item {
    std::string text;
    LPARAM data = 0;
  };

  void setSorted(bool sorted) { sorted_ = sorted; }

  // Adds in text order when sorted, else at the end; returns the new item's index.
  int add(std::string text);
  // index -1 appends; returns the new index, or LB_ERR when index is past the end.
  int insert(int index, std::string text);
  // Returns the number of items left, or LB_ERR.
  int remove(int index);
  void reset();

  int count() const { return static_cast<int>(items_.size()); }
  bool valid(int index) const { return index >= 0 && index < count(); }
  const Item& item(int index) const { return items_[index]; }
  bool setData(int index, LPARAM data);

  // Searches from the item after `startAfter` (-1: from the top) to the end and on from the top, ignoring
  // case. Returns LB_ERR when nothing matches.
  int findPrefix(int startAfter, std::string_view prefix) const;
  int findExact(int startAfter, std::string_view text) const;

  int selection() const { return selection_; }
  // Returns true when the selection changed; an index out of range clears it.
  bool select(int index);

  int topIndex() const { return top_; }
  // Both keep the top index within 0 .. count - visibleRows; return true when it changed.
  bool setTopIndex(int top, int visibleRows);
  bool scrollIntoView(int index, int visibleRows);

 private:
  template <class Match>
  int findFrom(int startAfter, Match match) const;

  std::vector<Item> items_;
  bool sorted_ = false;
  int selection_ = -1;
  int top_ = 0;
};

}  // namespace win
