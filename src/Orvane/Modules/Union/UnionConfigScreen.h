#pragma once

#include "Core/EmptyScreen.h"

#include <memory>

class UnionData;

// Stands in for the screen that runs the union operations on one stored union until that screen
// exists; it keeps the union it was opened for.
class UnionConfigPlaceholder : public EmptyScreen
{
    Q_OBJECT
public:
    explicit UnionConfigPlaceholder(std::shared_ptr<UnionData> data, QWidget *parent = nullptr);
    std::shared_ptr<UnionData> data() const { return m_data; }

private:
    std::shared_ptr<UnionData> m_data;
};

namespace orvane::unions {

// The one place that makes the operation screen of a union (the record itself, not a copy).
QWidget *makeUnionConfigViewController(const std::shared_ptr<UnionData> &data);

} // namespace orvane::unions
