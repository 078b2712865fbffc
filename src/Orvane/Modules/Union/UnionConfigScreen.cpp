#include "UnionConfigScreen.h"

#include "UnionData.h"

UnionConfigPlaceholder::UnionConfigPlaceholder(std::shared_ptr<UnionData> data, QWidget *parent)
    : EmptyScreen(QStringLiteral("UnionConfigViewController placeholder"), parent)
    , m_data(std::move(data))
{
}

namespace orvane::unions {

QWidget *makeUnionConfigViewController(const std::shared_ptr<UnionData> &data)
{
    return new UnionConfigPlaceholder(data);
}

} // namespace orvane::unions
