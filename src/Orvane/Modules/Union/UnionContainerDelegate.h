#pragma once

class UnionContainer;
class UnionDeviceItemView;

// Receives the clicks on the tiles of a union grid.
class UnionContainerDelegate
{
public:
    virtual ~UnionContainerDelegate() = default;

    // The tile's disc was clicked.
    virtual void unionContainerDidClick(UnionContainer *container, UnionDeviceItemView *tile) = 0;
    virtual void unionContainerDidClickSetting(UnionContainer *container, UnionDeviceItemView *tile) = 0;
    virtual void unionContainerDidClickName(UnionContainer *container, UnionDeviceItemView *tile) = 0;
};
