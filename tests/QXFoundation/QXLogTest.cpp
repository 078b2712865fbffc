#include "QXLog.h"

#include <gtest/gtest.h>

TEST(QXLogTest, LineCarriesFunctionLineAndMessage)
{
    EXPECT_EQ(qxLogLine("-[QXInsSocket sendData]", 42, QStringLiteral("转码结束")),
              QStringLiteral("-[QXInsSocket sendData] 第42行 \n 转码结束\n\n"));
}
