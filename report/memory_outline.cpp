#include "report/memory_outline.h"

#include <algorithm>

namespace vornak {

bool MemoryOutline::Create(uintptr_t, int, int, int, int, uint32_t, uint32_t) {
  created_ = true;
  return true;
}

const MemoryOutline::Node* MemoryOutline::Get(Item item) const {
  if (item == kNoItem || item > nodes_.size() || !nodes_[item - 1].alive) return nullptr;
  return &nodes_[item - 1];
}

MemoryOutline::Node* MemoryOutline::Get(Item item) {
  return const_cast<Node*>(static_cast<const MemoryOutline*>(this)->Get(item));
}

std::vector<Item> MemoryOutline::Children(Item parent) const {
  if (parent == kNoItem) return rootItems_;
  const Node* n = Get(parent);
  return n ? n->children : std::vector<Item>{};
}

Item MemoryOutline::FirstChild(Item parent) {
  const std::vector<Item>* c = parent == kNoItem ? &rootItems_ : nullptr;
  if (!c) {
    const Node* n = Get(parent);
    if (!n) return kNoItem;
    c = &n->children;
  }
  return c->empty() ? kNoItem : c->front();
}

Item MemoryOutline::NextSibling(Item item) {
  const Node* n = Get(item);
  return n ? n->next : kNoItem;
}

Item MemoryOutline::Parent(Item item) const {
  const Node* n = Get(item);
  return n ? n->parent : kNoItem;
}

std::string MemoryOutline::Text(Item item) { return FullText(item).substr(0, 255); }

std::string MemoryOutline::FullText(Item item) const {
  const Node* n = Get(item);
  return n ? n->text : std::string();
}

Item MemoryOutline::Insert(Item parent, Item after, const std::string& text) {
  if (parent != kNoItem && !Get(parent)) return kNoItem;
  nodes_.push_back(Node{parent, kNoItem, text, {}, false, true});
  Item item = nodes_.size();
  std::vector<Item>& list = parent == kNoItem ? rootItems_ : Get(parent)->children;
  // Items are nearly always added after the last child: search from the end.
  auto pos = std::find(list.rbegin(), list.rend(), after);
  auto at = pos == list.rend() ? list.end() : pos.base();
  at = list.insert(at, item);
  if (at != list.begin()) Get(*(at - 1))->next = item;
  if (at + 1 != list.end()) Get(item)->next = *(at + 1);
  return item;
}

intptr_t MemoryOutline::Expand(Item item, uint32_t code) {
  Node* n = Get(item);
  if (!n) return 0;
  switch (code & 0xFF) {
    case kExpandCollapse: n->expanded = false; break;
    case kExpandExpand: n->expanded = true; break;
    case kExpandToggle: n->expanded = !n->expanded; break;
    default: if (code & kExpandPartial) n->expanded = true; break;
  }
  return 1;
}

bool MemoryOutline::Expanded(Item item) const {
  const Node* n = Get(item);
  return n && n->expanded;
}

intptr_t MemoryOutline::SelectItem(Item item, uint32_t code) {
  if (!Get(item)) return 0;
  if (code == kSelectFirstVisible) firstVisible_ = item;
  return 1;
}

intptr_t MemoryOutline::DeleteAll() {
  nodes_.clear();
  rootItems_.clear();
  firstVisible_ = kNoItem;
  return 1;
}

void MemoryOutline::Remove(Item item) {
  Node* n = Get(item);
  if (!n) return;
  for (Item c : std::vector<Item>(n->children)) Remove(c);
  n->alive = false;
  if (firstVisible_ == item) firstVisible_ = kNoItem;
}

intptr_t MemoryOutline::DeleteItem(Item item) {
  Node* n = Get(item);
  if (!n) return 0;
  std::vector<Item>& list = n->parent == kNoItem ? rootItems_ : Get(n->parent)->children;
  auto at = std::find(list.begin(), list.end(), item);
  if (at != list.begin()) Get(*(at - 1))->next = n->next;
  list.erase(at);
  Remove(item);
  return 1;
}

intptr_t MemoryOutline::Show(int command) {
  bool was = visible_;
  visible_ = command != 0;
  return was;
}

Item MemoryOutline::Find(Item parent, const std::string& text) const {
  for (Item c : Children(parent))
    if (FullText(c) == text) return c;
  return kNoItem;
}

void MemoryOutline::DumpInto(std::string& out, Item parent, int depth) const {
  for (Item c : Children(parent)) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    // Lines read from text files keep their line end; one item, one line.
    std::string text = FullText(c);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    out += text;
    out += '\n';
    DumpInto(out, c, depth + 1);
  }
}

std::string MemoryOutline::Dump() const {
  std::string out;
  DumpInto(out, kNoItem, 0);
  return out;
}

}  // namespace vornak
