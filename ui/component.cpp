#include "ui/component.h"

#include <algorithm>

namespace ui {

ControlPeer::~ControlPeer() {
  if (component_ != nullptr) component_->SetPeer(nullptr);
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  DetachPeerForDestruction();
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    auto& theirs = other->free_notifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this);
  }
  while (!components_.empty()) delete components_.back();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : components_) {
    if (component->name_ == name) return component;
  }
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), component) != free_notifies_.end())
    return;
  free_notifies_.push_back(component);
  component->free_notifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  auto& mine = free_notifies_;
  mine.erase(std::remove(mine.begin(), mine.end(), component), mine.end());
  auto& theirs = component->free_notifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::SetPeer(ControlPeer* peer) {
  if (peer == peer_) return;
  if (peer_ != nullptr) peer_->component_ = nullptr;
  if (peer != nullptr && peer->component_ != nullptr) peer->component_->peer_ = nullptr;
  peer_ = peer;
  if (peer_ != nullptr) peer_->component_ = this;
}

void TComponent::Notify(Property property) const {
  if (peer_ != nullptr && !destroying_) peer_->Changed(property);
}

void TComponent::DetachPeerForDestruction() {
  destroying_ = true;
  if (peer_ == nullptr) return;
  ControlPeer* peer = peer_;
  peer_ = nullptr;
  peer->component_ = nullptr;
  peer->ComponentDestroyed();
}

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component),
                    components_.end());
  component->owner_ = nullptr;
}

}  // namespace ui
