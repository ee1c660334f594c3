// An outline held in memory: the report tree of tests and replays.
#pragma once

#include <string>
#include <vector>

#include "report/outline.h"

namespace vornak {

class MemoryOutline : public Outline {
 public:
  bool Create(uintptr_t, int, int, int, int, uint32_t, uint32_t) override;
  bool Exists() const override { return created_; }
  Item FirstChild(Item parent) override;
  Item NextSibling(Item item) override;
  Item Root() override { return FirstChild(kNoItem); }
  std::string Text(Item item) override;
  Item Insert(Item parent, Item after, const std::string& text) override;
  intptr_t Expand(Item item, uint32_t code) override;
  intptr_t SelectItem(Item item, uint32_t code) override;
  intptr_t DeleteAll() override;
  intptr_t DeleteItem(Item item) override;
  intptr_t Show(int command) override;
  intptr_t Send(uint32_t, uintptr_t, intptr_t) override { return 0; }

  // For tests and the replay tool.
  std::string FullText(Item item) const;             // uncut
  std::vector<Item> Children(Item parent) const;
  Item Parent(Item item) const;
  bool Expanded(Item item) const;
  bool Visible() const { return visible_; }
  Item FirstVisible() const { return firstVisible_; }
  // The whole tree, one line per item, two blanks of indent per level.
  std::string Dump() const;
  // The child of `parent` whose text is exactly `text`, or kNoItem.
  Item Find(Item parent, const std::string& text) const;

 private:
  struct Node {
    Item parent = kNoItem;
    Item next = kNoItem;  // next sibling
    std::string text;
    std::vector<Item> children;
    bool expanded = false;
    bool alive = true;
  };
  const Node* Get(Item item) const;
  Node* Get(Item item);
  void Remove(Item item);
  void DumpInto(std::string& out, Item parent, int depth) const;

  std::vector<Node> nodes_;       // handle = index + 1
  std::vector<Item> rootItems_;
  bool created_ = true;           // a memory outline always exists
  bool visible_ = true;
  Item firstVisible_ = kNoItem;
};

}  // namespace vornak
