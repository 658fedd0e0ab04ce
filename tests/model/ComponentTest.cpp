#include <gtest/gtest.h>

#include <vector>

#include "model/TComponent.h"
#include "model/TStringGrid.h"

namespace {

// Records the removal notices it receives.
class Listener : public TComponent {
  public:
    using TComponent::TComponent;
    std::vector<TComponent*> removed;

  protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) {
            removed.push_back(component);
        }
    }
};

TEST(TComponent, SiblingHearsOfRemovalThroughSharedOwner) {
    TComponent owner;
    Listener listener(&owner);
    auto* grid = new TStringGrid(&owner, 2, 2);
    EXPECT_EQ(owner.ComponentCount(), 2u);
    delete grid;
    ASSERT_EQ(listener.removed.size(), 1u);
    EXPECT_EQ(listener.removed[0], grid);
    EXPECT_EQ(owner.ComponentCount(), 1u);
}

TEST(TComponent, ComponentWithoutOwnerHearsNothing) {
    TComponent owner;
    Listener listener(nullptr);
    delete new TStringGrid(&owner, 1, 1);
    EXPECT_TRUE(listener.removed.empty());
}

TEST(TComponent, OwnerDestroyedFirstLeavesComponentsOwnerless) {
    auto* owner = new TComponent;
    Listener listener(owner);
    delete owner;
    EXPECT_EQ(listener.Owner(), nullptr);
}

}  // namespace
