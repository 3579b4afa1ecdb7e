// Component base: owner, name, state flags, free notification, events.
#pragma once
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class TObject {
 public:
  virtual ~TObject() = default;
};

// An event bound to an object: a data pointer and a thunk that calls the
// bound member function. Cheap to copy, no allocation.
template <class... Args>
struct TEvent {
  void* Data = nullptr;
  void (*Code)(void*, Args...) = nullptr;
  explicit operator bool() const { return Code != nullptr; }
  void operator()(Args... args) const {
    if (Code) Code(Data, args...);
  }
};

using TNotifyEvent = TEvent<TObject*>;

namespace detail {
template <class T>
struct MemberFn;
template <class C, class... A>
struct MemberFn<void (C::*)(A...)> {
  using Class = C;
  using Event = TEvent<A...>;
  template <auto M>
  static void Thunk(void* obj, A... a) { (static_cast<C*>(obj)->*M)(a...); }
};
}  // namespace detail

// Bind<&TForm1::BtnOKClick>(form) gives the matching TEvent.
template <auto M>
auto Bind(typename detail::MemberFn<decltype(M)>::Class* obj) {
  using F = detail::MemberFn<decltype(M)>;
  typename F::Event e;
  e.Data = obj;
  e.Code = &F::template Thunk<M>;
  return e;
}

enum TComponentStateFlag : unsigned { csLoading = 1, csDesigning = 2, csDestroying = 4 };
enum class TOperation { opInsert, opRemove };

// A component is made by its owner (Make), which holds it and destroys it
// with itself, last made first; one made without an owner belongs to whoever
// made it.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner) : FOwner(owner) {}
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // A component owned by this one, made with this one as its owner.
  template <class T, class... A>
  T* Make(A&&... args) {
    auto c = std::make_unique<T>(this, std::forward<A>(args)...);
    T* made = c.get();
    Adopt(std::move(c));
    return made;
  }
  // Destroys an owned component now.
  void Free(TComponent* c);

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }
  unsigned ComponentState() const { return FComponentState; }
  bool Designing() const { return (FComponentState & csDesigning) != 0; }
  // True while this component or its owner reads its stored values: events
  // do not fire then.
  bool Loading() const {
    return (FComponentState & csLoading) != 0 || (FOwner && (FOwner->FComponentState & csLoading) != 0);
  }
  void SetDesigning(bool on);
  void SetLoading(bool on);
  // The owned components, in the order made.
  std::vector<TComponent*> Components() const;

  // Asks to be told (Notification opRemove) when c is destroyed.
  void FreeNotification(TComponent* c);
  // Run once after the properties were read from a form description.
  virtual void Loaded();

 protected:
  virtual void Notification(TComponent* c, TOperation op);
  // Destroys the owned components, last made first.
  void DestroyComponents();

 private:
  void Adopt(std::unique_ptr<TComponent> c);
  // Out of the list, and no longer owned by it.
  std::unique_ptr<TComponent> Take(TComponent* c);
  // An owned component that goes by other means than its owner.
  void Forget(TComponent* c);
  void RemoveFreeNotification(TComponent* c);

  TComponent* FOwner;
  std::string FName;
  unsigned FComponentState = 0;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
