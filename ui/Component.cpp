#include "ui/Component.h"

#include <algorithm>

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
  if (FOwner) FOwner->Forget(this);
}

void TComponent::SetDesigning(bool on) {
  FComponentState = on ? (FComponentState | csDesigning) : (FComponentState & ~unsigned(csDesigning));
}

void TComponent::SetLoading(bool on) {
  FComponentState = on ? (FComponentState | csLoading) : (FComponentState & ~unsigned(csLoading));
}

std::vector<TComponent*> TComponent::Components() const {
  std::vector<TComponent*> list;
  for (const auto& c : FComponents) list.push_back(c.get());
  return list;
}

std::unique_ptr<TComponent> TComponent::Take(TComponent* c) {
  for (auto it = FComponents.begin(); it != FComponents.end(); ++it)
    if (it->get() == c) {
      std::unique_ptr<TComponent> taken = std::move(*it);
      FComponents.erase(it);
      return taken;
    }
  return nullptr;
}

void TComponent::Free(TComponent* c) { Take(c); }  // destroyed here, out of the list

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
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
  }
}

void TComponent::Adopt(std::unique_ptr<TComponent> c) { FComponents.push_back(std::move(c)); }

void TComponent::Forget(TComponent* c) { (void)Take(c).release(); }  // already being destroyed
