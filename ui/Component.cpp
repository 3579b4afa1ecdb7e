#include "ui/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : FOwner(nullptr) {
  if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
  FComponentState |= csDestroying;
  // Tell everyone who asked about us; each drops its references.
  while (!FFreeNotifies.empty()) {
    TComponent* c = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    c->RemoveFreeNotification(this);
    c->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->Remove(this);
}

void TComponent::SetDesigning(bool on) {
  FComponentState = on ? (FComponentState | csDesigning) : (FComponentState & ~unsigned(csDesigning));
}

void TComponent::SetLoading(bool on) {
  FComponentState = on ? (FComponentState | csLoading) : (FComponentState & ~unsigned(csLoading));
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : FComponents)
    if (c->FName == name) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* c) {
  if (!c || c == this) return;
  if (std::find(c->FFreeNotifies.begin(), c->FFreeNotifies.end(), this) == c->FFreeNotifies.end()) {
    c->FFreeNotifies.push_back(this);
    FFreeNotifies.push_back(c);  // both ways, so whichever dies first unhooks the other
  }
}

void TComponent::RemoveFreeNotification(TComponent* c) {
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), c), FFreeNotifies.end());
}

void TComponent::Loaded() { FComponentState &= ~unsigned(csLoading); }

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    delete c;  // its destructor removes it from FComponents
  }
}

void TComponent::Insert(TComponent* c) {
  FComponents.push_back(c);
  c->FOwner = this;
}

void TComponent::Remove(TComponent* c) {
  auto it = std::find(FComponents.begin(), FComponents.end(), c);
  if (it != FComponents.end()) FComponents.erase(it);
  c->FOwner = nullptr;
}
