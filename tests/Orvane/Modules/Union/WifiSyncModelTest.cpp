#include "Modules/Union/WifiSyncModel.h"

#include <gtest/gtest.h>

namespace {

TEST(WifiSyncModelTest, DecodesTheMastersReply)
{
    const auto full = WifiSyncModel::decode(
        R"({"type":3,"status":0,"extra":[1],"slaveList":[{"sn":"FAN_kvd_1","ip":"192.168.4.2","status":1,"x":2},)"
        R"({"sn":"FAN_kvd_2","ip":"192.168.4.3","status":0}]})");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->type, 3);
    EXPECT_EQ(full->status, 0);
    ASSERT_TRUE(full->slaveList.has_value());
    EXPECT_EQ(*full->slaveList, (QList<WifiSyncModel::Slave>{{"FAN_kvd_1", "192.168.4.2", 1},
                                                             {"FAN_kvd_2", "192.168.4.3", 0}}));

    struct Case
    {
        const char *json;
        qint64 status;
        std::optional<qsizetype> slaves;
    };
    const Case decoded[] = {
        {R"({"type":1,"slaveList":[]})", 1, 0},
        {R"({"type":1,"status":null})", 1, std::nullopt},
        {R"({"type":2.0,"slaveList":null})", 1, std::nullopt},
        {R"({"type":-4,"status":7})", 7, std::nullopt},
    };
    for (const Case &c : decoded) {
        const auto model = WifiSyncModel::decode(c.json);
        ASSERT_TRUE(model.has_value()) << c.json;
        EXPECT_EQ(model->status, c.status) << c.json;
        EXPECT_EQ(model->slaveList ? std::optional(model->slaveList->size()) : std::nullopt, c.slaves) << c.json;
    }
}

TEST(WifiSyncModelTest, RefusesRepliesOfTheWrongShape)
{
    for (const char *json : {
             "",
             "not json",
             "[1,2]",
             R"({"status":1})",
             R"({"type":"1"})",
             R"({"type":1.5})",
             R"({"type":1e300})",
             R"({"type":1,"status":"1"})",
             R"({"type":1,"slaveList":{}})",
             R"({"type":1,"slaveList":[{"sn":"a","status":1}]})",
             R"({"type":1,"slaveList":[{"ip":"a","status":1}]})",
             R"({"type":1,"slaveList":[{"sn":"a","ip":"b"}]})",
             R"({"type":1,"slaveList":[{"sn":1,"ip":"b","status":1}]})",
             R"({"type":1,"slaveList":[{"sn":"a","ip":"b","status":true}]})",
             R"({"type":1,"slaveList":[7]})",
         }) {
        EXPECT_FALSE(WifiSyncModel::decode(json).has_value()) << json;
    }
}

} // namespace
