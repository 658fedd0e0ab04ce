#pragma once

#include <cstddef>
#include <vector>

enum class TOperation { opInsert, opRemove };

// Base of every component that can be owned by another. The owner keeps a list
// of the components it owns and relays to all of them the notice that one of
// them is being removed (destroyed), so that a component referring to a sibling
// can forget it in time.
//
// Lifetime follows C++: the owner does not delete what it owns. When the owner
// goes first, its components simply lose their owner.
class TComponent {
  public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    std::size_t ComponentCount() const { return components_.size(); }
    TComponent* Components(std::size_t index) const { return components_.at(index); }

  protected:
    // Called on the owner and on every component it owns when a component is
    // inserted into or removed from the owner. Overrides must call the base.
    virtual void Notification(TComponent* component, TOperation operation);

  private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
};
