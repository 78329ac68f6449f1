#pragma once
// A node of the map tree: one map and its child nodes. Each top-level node and its whole subtree
// live in one file, Maps\<ID>.map; the tree is read first and a file's maps the first time any
// map of its subtree is asked for.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/ModelItems.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapModel;
class IZelvoMapTreeControl;

class IZelvoMapTreeNodeControl : public virtual IZelvoModel {
 public:
  // Loads the node's top-level file first when its map is not in memory; nullptr when the node
  // has no map and no file.
  virtual std::shared_ptr<IZelvoMapModel> GetMap() = 0;
  virtual void SetModified(bool value) = 0;
  // A back reference.
  virtual void SetTree(IZelvoMapTreeControl* mapTree) = 0;
  virtual bool GetModified() const = 0;
  // The node's own flag or any descendant's.
  virtual bool IsModified() const = 0;
  // The top-level ancestor: the node itself when it has no parent.
  virtual IZelvoMapTreeNodeControl* GetRoot() = 0;
  virtual bool IsMapLoaded() const = 0;
  virtual IZelvoMapTreeControl* GetTree() const = 0;
  // Structural changes load the subtree's file first, so it is never rewritten with a part
  // missing, and flag this node modified.
  virtual void AddChild(std::shared_ptr<IZelvoMapTreeNodeControl> node) = 0;
  // Appends without a parent link: the root node's top-level nodes.
  virtual void AddTopLevelNode(std::shared_ptr<IZelvoMapTreeNodeControl> node) = 0;
  // Sets the child's tree only; EIndexError unless 0 <= index <= count.
  virtual void InsertChild(int32_t index, std::shared_ptr<IZelvoMapTreeNodeControl> node) = 0;
  // The first child with that ID; nothing when none.
  virtual void RemoveChild(int32_t id) = 0;
  // Ignored at or past the count.
  virtual void ExchangeChildren(int32_t i, int32_t j) = 0;
  virtual bool HasChildren() const = 0;
  virtual void VisitChildren(int32_t value) = 0;
  virtual void ClearChildren() = 0;
  virtual int32_t GetChildCount() const = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> GetChild(int32_t index) const = 0;
  // Position of this very child (not of one with the same ID); -1 when it is not a child. Walks
  // over siblings go by this, since siblings may share an ID.
  virtual int32_t IndexOfChild(const IZelvoMapTreeNodeControl* node) const = 0;
  // Cell bytes of the subtree, each map counted once.
  virtual int32_t GetDataSize() = 0;
  // Cell bytes of the maps in memory.
  virtual int32_t GetTotalDataSize() = 0;
  virtual std::shared_ptr<IZelvoMapModel> GetNodeMap(int32_t id) = 0;
  // Depth-first over the descendants, children in order; nullptr when none.
  virtual std::shared_ptr<IZelvoMapTreeNodeControl> FindNode(int32_t id) const = 0;
  virtual IZelvoMapTreeNodeControl* GetParent() const = 0;
  virtual void SetParent(IZelvoMapTreeNodeControl* node) = 0;
  // Reads the top-level ancestor's file in full when its maps are not in memory.
  virtual void LoadMapFile() = 0;
  virtual void NewMap() = 0;
  // Drops the maps of the subtree and clears its modified flags.
  virtual void UnloadMap() = 0;
  // Reads a node record keeping only the tree.
  virtual void LoadTreeFromStream(IZStream& stream) = 0;
  // True for a top-level node whose maps are still on disk only: read tree-only, or unloaded.
  virtual bool IsOnDiskOnly() const = 0;
  // True when the maps of the node's file, in memory, differ from what was read from that file
  // (or were never read from one). A save writes such a file whatever its flags say, so a change
  // that no command flagged is not lost.
  virtual bool ChangedSinceRead() = 0;
};

class TZelvoMapTreeNodeControl : public TZelvoModel, public virtual IZelvoMapTreeNodeControl {
 public:
  TZelvoMapTreeNodeControl(int32_t id, IZMLZelvoAPI* api);
  ~TZelvoMapTreeNodeControl() override;

  std::shared_ptr<IZelvoMapModel> GetMap() override;
  void SetModified(bool value) override { modified_ = value; }
  void SetTree(IZelvoMapTreeControl* mapTree) override;
  bool GetModified() const override { return modified_; }
  bool IsModified() const override;
  IZelvoMapTreeNodeControl* GetRoot() override;
  bool IsMapLoaded() const override { return map_ != nullptr; }
  IZelvoMapTreeControl* GetTree() const override { return tree_; }
  void AddChild(std::shared_ptr<IZelvoMapTreeNodeControl> node) override;
  void AddTopLevelNode(std::shared_ptr<IZelvoMapTreeNodeControl> node) override;
  void InsertChild(int32_t index, std::shared_ptr<IZelvoMapTreeNodeControl> node) override;
  void RemoveChild(int32_t id) override;
  void ExchangeChildren(int32_t i, int32_t j) override;
  bool HasChildren() const override { return children_.count() > 0; }
  void VisitChildren(int32_t value) override;
  void ClearChildren() override;
  int32_t GetChildCount() const override { return children_.count(); }
  std::shared_ptr<IZelvoMapTreeNodeControl> GetChild(int32_t index) const override { return children_.at(index); }
  int32_t IndexOfChild(const IZelvoMapTreeNodeControl* node) const override { return children_.indexOf(node); }
  int32_t GetDataSize() override;
  int32_t GetTotalDataSize() override;
  std::shared_ptr<IZelvoMapModel> GetNodeMap(int32_t id) override;
  std::shared_ptr<IZelvoMapTreeNodeControl> FindNode(int32_t id) const override;
  IZelvoMapTreeNodeControl* GetParent() const override { return parent_; }
  void SetParent(IZelvoMapTreeNodeControl* node) override { parent_ = node; }
  void LoadMapFile() override;
  void NewMap() override;
  void UnloadMap() override;
  void LoadTreeFromStream(IZStream& stream) override;
  bool IsOnDiskOnly() const override { return onDiskOnly_; }
  bool ChangedSinceRead() override;

  // Base record, the map record, the data size, the child count, the children's records. A node
  // without a map in memory loads its file first, or gets a new map when it has none.
  void SaveToStream(IZStream& stream) override;
  // The full load: node identities of a matching child list survive. A short or corrupt record
  // throws EFormatError and leaves the subtree as it was.
  void LoadFromStream(IZStream& stream) override;

  // The tree control marks a top-level node whose file could not be read: its maps stay on disk.
  void SetOnDiskOnly(bool value) { onDiskOnly_ = value; }

 private:
  // Before a structural change: the subtree's maps must be in memory.
  void PrepareChange();
  void AttachChild(const std::shared_ptr<IZelvoMapTreeNodeControl>& node, bool linkParent);
  // Reads a record into this fresh node (full or tree-only); nothing is shared with another node.
  void ReadRecord(IZStream& stream, bool full);
  // Takes what a fresh node read, keeping the identities of matching children.
  void Adopt(TZelvoMapTreeNodeControl& fresh, bool full);
  std::string FilePath() const;
  // Of the node's record as it would be written now.
  uint64_t CurrentDigest();

  std::shared_ptr<IZelvoMapModel> map_;
  bool modified_ = false;
  ModelItems<IZelvoMapTreeNodeControl> children_;
  int32_t dataSize_ = 0;
  IZelvoMapTreeNodeControl* parent_ = nullptr;
  IZelvoMapTreeControl* tree_ = nullptr;
  IZMLZelvoAPI* api_ = nullptr;
  bool onDiskOnly_ = false;  // top-level only
  bool fromFile_ = false;    // dataSize_ was read and covers the subtree
  std::optional<uint64_t> readDigest_;  // top-level only: the record as read from the file
};

}  // namespace zelvo
