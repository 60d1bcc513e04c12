#pragma once
// TComponent: a named object with an owner. The owner owns its components:
// destroying it destroys them, newest first. A component may carry a renderer's
// peer (see ControlPeer).

#include <string>
#include <vector>

#include "ui/object.h"
#include "ui/peer.h"

namespace ui {

class TComponent : public TObject {
 public:
  // Registers with owner (which then owns this component); owner may be null.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }
  // The owned component of that name (exact match), or null.
  TComponent* FindComponent(const std::string& name) const;

  // Asks to be told (Notification) when component is destroyed; mutual.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  ControlPeer* Peer() const { return peer_; }
  // Attaches a peer (null detaches); a previous peer is detached first.
  void SetPeer(ControlPeer* peer);

 protected:
  // Called when a component registered with FreeNotification is being destroyed.
  virtual void Notification(TComponent* /*component*/) {}
  // Tells the peer, if any, about a change.
  void Notify(Property property) const;
  // Detaches the peer and tells it that this component goes away; the
  // destructors of derived classes call it first so that no peer sees a
  // half-destroyed component.
  void DetachPeerForDestruction();
  bool Destroying() const { return destroying_; }
  void SetDestroying() { destroying_ = true; }

 private:
  void RemoveComponent(TComponent* component);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  ControlPeer* peer_ = nullptr;
  bool destroying_ = false;
};

}  // namespace ui
