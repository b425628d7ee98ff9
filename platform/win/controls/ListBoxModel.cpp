#include "platform/win/controls/ListBoxModel.h"

#include <algorithm>

#include "platform/win/controls/TextOrder.h"

namespace win {

int ListBoxModel::add(std::string text) {
  if (!sorted_) return insert(-1, std::move(text));
  // After the items that compare equal, so equal texts keep the order they were added in.
  auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& value, const Item& item) {
    return CompareTextNoCase(value, item.text) < 0;
  });
  return insert(static_cast<int>(at - items_.begin()), std::move(text));
}

int ListBoxModel::insert(int index, std::string text) {
  if (index == -1) index = count();
  if (index < 0 || index > count()) return LB_ERR;
  items_.insert(items_.begin() + index, Item{std::move(text), 0});
  if (selection_ >= index) ++selection_;
  return index;
}

int ListBoxModel::remove(int index) {
  if (!valid(index)) return LB_ERR;
  items_.erase(items_.begin() + index);
  if (selection_ == index) {
    selection_ = -1;
  } else if (selection_ > index) {
    --selection_;
  }
  top_ = std::clamp(top_, 0, std::max(0, count() - 1));
  return count();
}

void ListBoxModel::reset() {
  items_.clear();
  selection_ = -1;
  top_ = 0;
}

bool ListBoxModel::setData(int index, LPARAM data) {
  if (!valid(index)) return false;
  items_[index].data = data;
  return true;
}

template <class Match>
int ListBoxModel::findFrom(int startAfter, Match match) const {
  int n = count();
  if (n == 0) return LB_ERR;
  int first = valid(startAfter) ? startAfter + 1 : 0;
  for (int k = 0; k < n; ++k) {
    int index = (first + k) % n;
    if (match(items_[index].text)) return index;
  }
  return LB_ERR;
}

int ListBoxModel::findPrefix(int startAfter, std::string_view prefix) const {
  return findFrom(startAfter, [prefix](const std::string& text) { return StartsWithNoCase(text, prefix); });
}

int ListBoxModel::findExact(int startAfter, std::string_view wanted) const {
  return findFrom(startAfter, [wanted](const std::string& text) {
    return text.size() == wanted.size() && StartsWithNoCase(text, wanted);
  });
}

bool ListBoxModel::select(int index) {
  if (!valid(index)) index = -1;
  if (index == selection_) return false;
  selection_ = index;
  return true;
}

bool ListBoxModel::setTopIndex(int top, int visibleRows) {
  top = std::clamp(top, 0, std::max(0, count() - std::max(1, visibleRows)));
  if (top == top_) return false;
  top_ = top;
  return true;
}

bool ListBoxModel::scrollIntoView(int index, int visibleRows) {
  if (!valid(index)) return false;
  visibleRows = std::max(1, visibleRows);
  if (index < top_) return setTopIndex(index, visibleRows);
  if (index >= top_ + visibleRows) return setTopIndex(index - visibleRows + 1, visibleRows);
  return false;
}

}  // namespace win
