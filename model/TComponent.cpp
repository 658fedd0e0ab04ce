#include "model/TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) {
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    if (owner_ != nullptr) {
        owner_->RemoveComponent(this);
    }
    for (TComponent* owned : components_) {
        owned->owner_ = nullptr;
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Iterate over a copy: a notified component may not change the list, but
    // copying keeps the relay safe whatever an override does.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* each : owned) {
        each->Notification(component, operation);
    }
}

void TComponent::InsertComponent(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    // The dying component is taken out of the list first: its derived part is
    // already gone, so it must not receive the notice itself.
    components_.erase(std::remove(components_.begin(), components_.end(), component),
                      components_.end());
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}
