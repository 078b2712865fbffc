#include "EventLoop.h"
#include "Loopback.h"
#include "MiniHttpServer.h"
#include "Modules/Account/JSONResponse.h"
#include "Modules/Account/OrvaneAPI.h"
#include "Modules/Account/OrvaneProvider.h"
#include "Modules/Account/User.h"
#include "Modules/Account/VexaResponse.h"
#include "QXDeviceStatus.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

using orvane::test::MiniHttpServer;

namespace {

// Runs the event loop until the future settles and hands back its exception, if any.
std::exception_ptr settle(QFuture<JSONResponse> future)
{
    EXPECT_TRUE(orvane::test::waitUntil([&] { return future.isFinished(); }, 5000));
    try {
        future.waitForFinished();
        future.result();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

void rethrow(std::exception_ptr error)
{
    if (!error) {
        ADD_FAILURE() << "the request succeeded";
        return;
    }
    std::rethrow_exception(error);
}

template <typename E>
E errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const E &error) {
        return error;
    }
    ADD_FAILURE() << "no error of the expected kind";
    throw std::logic_error("no error");
}

ResponseError replyError(int status, const QByteArray &body, CodeRange range = {}, bool skip = false)
{
    return errorOf<ResponseError>([&] { OrvaneProvider::mapResponse<JSONResponse>({status, body}, range, skip); });
}

TEST(OrvaneReplyCheck, TheReplysOwnCodeDecidesWithBothEndsOfTheRangeAccepted)
{
    for (const QByteArray &body : {QByteArray(R"({"code":200})"), QByteArray(R"({"code":300,"msg":"x"})")})
        EXPECT_NO_THROW(OrvaneProvider::mapResponse<JSONResponse>({200, body}, {}, false)) << body.constData();
    // The HTTP status plays no part once the body is the service's JSON.
    EXPECT_EQ(OrvaneProvider::mapResponse<JSONResponse>({401, R"({"code":250})"}, {}, false).code, 250);

    const ResponseError above = replyError(200, R"({"code":301,"msg":"x"})");
    EXPECT_EQ(above.kind(), ResponseError::Kind::invalidResponse);
    EXPECT_EQ(above.code(), 301);
    EXPECT_EQ(above.message(), QStringLiteral("x"));
    EXPECT_EQ(replyError(200, R"({"code":199})").code(), 199);
    // The envelope reports "msg" only: a "message" alone leaves the text empty.
    const ResponseError serverError = replyError(200, R"({"code":500,"message":"y"})");
    EXPECT_EQ(serverError.code(), 500);
    EXPECT_EQ(serverError.message(), QString());
    // With the check skipped any decodable reply passes.
    EXPECT_EQ(OrvaneProvider::mapResponse<JSONResponse>({200, R"({"code":999})"}, {}, true).code, 999);
    EXPECT_EQ(replyError(200, R"({"code":201})", CodeRange{200, 200}).code(), 201);
}

TEST(OrvaneReplyCheck, OtherJSONAndNonJSONBodiesBecomeInvalidResponses)
{
    const ResponseError noCode = replyError(200, R"({"status":1})");
    EXPECT_EQ(noCode.code(), -1);
    EXPECT_EQ(noCode.message(), QString());
    // Not the envelope (a text code, a message of the wrong type): the value's own fields count.
    const ResponseError textCode = replyError(200, R"({"code":"200","msg":"m"})");
    EXPECT_EQ(textCode.code(), -1);
    EXPECT_EQ(textCode.message(), QStringLiteral("m"));
    const ResponseError badMsg = replyError(200, R"({"code":404,"msg":5,"message":"fallback"})");
    EXPECT_EQ(badMsg.code(), 404);
    EXPECT_EQ(badMsg.message(), QStringLiteral("fallback"));
    EXPECT_EQ(replyError(200, "[1,2]").code(), -1);
    // A lone JSON value is JSON too, just not an envelope.
    for (const QByteArray &scalar : {QByteArray("null"), QByteArray(R"("text")"), QByteArray("42"),
                                     QByteArray(" true \n")}) {
        const ResponseError lone = replyError(503, scalar);
        EXPECT_EQ(lone.code(), -1) << scalar.constData();
        EXPECT_EQ(lone.message(), QString()) << scalar.constData();
    }

    // Without a translation the message is the service's own fallback text.
    const QString fallback = OrvaneProvider::cloudServerErrorMessage();
    EXPECT_EQ(fallback, QStringLiteral("服务器异常,请稍后重试"));
    const ResponseError html = replyError(502, "<html><body>Bad Gateway</body></html>");
    EXPECT_EQ(html.code(), 502);
    EXPECT_EQ(html.message(), fallback);
    for (const QByteArray &notOneValue : {QByteArray(""), QByteArray("  "), QByteArray("1,2"), QByteArray("1]"),
                                          QByteArray("[1"), QByteArray("nul")}) {
        const ResponseError broken = replyError(500, notOneValue);
        EXPECT_EQ(broken.code(), 500) << notOneValue.constData();
        EXPECT_EQ(broken.message(), fallback) << notOneValue.constData();
    }
}

JSONResponse envelope(const QByteArray &json)
{
    return JSONResponse::decode(QJsonDocument::fromJson(json).object());
}

TEST(OrvaneReplyDecode, DataIsReadUnderOneKeyAndMissingDataIsNoData)
{
    const JSONResponse reply = envelope(R"({"code":200,"data":{"user":{"id":7,"userName":"a"}}})");
    const orvane::User user = decode<orvane::User>(reply, QStringLiteral("user"));
    EXPECT_EQ(user.id(), 7);
    EXPECT_EQ(user.userName(), QStringLiteral("a"));
    // A dotted path is one key, not a path.
    EXPECT_THROW(decode<orvane::User>(reply, QStringLiteral("data.user")), DecodingError);

    for (const QByteArray &body : {QByteArray(R"({"code":200})"), QByteArray(R"({"code":200,"data":null})")}) {
        const JSONResponse empty = envelope(body);
        EXPECT_EQ(errorOf<ResponseError>([&] { decode<orvane::User>(empty, QStringLiteral("user")); }).kind(),
                  ResponseError::Kind::noData);
    }
    EXPECT_THROW(decode<orvane::User>(envelope(R"({"code":200,"data":{"user":{"id":7}}})"), QStringLiteral("user")),
                 DecodingError);

    const JSONResponse list = envelope(R"({"code":200,"data":[{"id":1,"userName":"a"},{"id":"2"},{"id":3,"userName":"c"}]})");
    const QList<orvane::User> users = decodeArray<orvane::User>(list);
    ASSERT_EQ(users.size(), 2);
    EXPECT_EQ(users[1].userName(), QStringLiteral("c"));
    EXPECT_TRUE(decodeArray<orvane::User>(reply, QStringLiteral("user")).isEmpty());
}

TEST(OrvaneReplyDecode, TheStatusEnvelopeNeedsStatusDetailAndMessage)
{
    const VexaResponse reply = OrvaneProvider::mapResponse<VexaResponse>(
        {200, R"({"status":201,"detailCode":7,"message":"ok","data":{"user":{"id":3,"userName":"b"}}})"},
        CodeRange{201, 201}, false);
    EXPECT_EQ(reply.detailCode, 7);
    EXPECT_EQ(reply.responseMessage(), QStringLiteral("ok"));
    EXPECT_EQ(decode<orvane::User>(reply, QStringLiteral("user")).userName(), QStringLiteral("b"));

    // The envelope's own status is checked, its message reported.
    const ResponseError refused = errorOf<ResponseError>([] {
        OrvaneProvider::mapResponse<VexaResponse>({200, R"({"status":500,"detailCode":1,"message":"busy"})"}, {},
                                                  false);
    });
    EXPECT_EQ(refused.code(), 500);
    EXPECT_EQ(refused.message(), QStringLiteral("busy"));
    for (const char *incomplete : {R"({"status":200,"message":"m"})", R"({"status":200,"detailCode":1})",
                                   R"({"status":"200","detailCode":1,"message":"m"})"})
        EXPECT_THROW(VexaResponse::decode(QJsonDocument::fromJson(incomplete).object()), DecodingError) << incomplete;
    EXPECT_FALSE(VexaResponse(1, 2, QStringLiteral("m"), std::nullopt).responseData().has_value());
}

TEST(OrvaneAccount, GenderIsItsNumberAndAnyNumberIsAGender)
{
    using orvane::Gender;
    const std::vector<std::pair<qint64, Gender>> raw = {
        {0, Gender::unoknown}, {1, Gender::male}, {2, Gender::female}, {3, Gender::unoknown}, {-1, Gender::unoknown}};
    for (const auto &[number, gender] : raw) {
        EXPECT_EQ(orvane::genderWithRawValue(number), gender) << number;
        EXPECT_EQ(orvane::decodeGender(QJsonValue(number)), gender) << number;
    }
    EXPECT_EQ(orvane::encodeGender(Gender::female), QJsonValue(2));
    EXPECT_THROW(orvane::decodeGender(QJsonValue(QStringLiteral("1"))), DecodingError);
    EXPECT_THROW(orvane::decodeGender(QJsonValue(1.5)), DecodingError);
}

TEST(OrvaneTargets, RegionsAndBaseAddresses)
{
    EXPECT_EQ(OrvaneAPI::serverFromRawValue(2), OrvaneAPI::Server::eu);
    EXPECT_EQ(OrvaneAPI::serverFromRawValue(3), std::nullopt);
    EXPECT_EQ(OrvaneAPI::serverFromRawValue(-1), std::nullopt);
    // Without a configured address a region is served over HTTPS at its host in the shared list.
    OrvaneAPI::resetBaseURLs();
    const QUrl sg = OrvaneAPI::baseURL(OrvaneAPI::Server::sg);
    EXPECT_EQ(sg.scheme(), QStringLiteral("https"));
    EXPECT_EQ(sg.host(), QXDeviceStatus::serverList().at(1));
}

class OrvaneRequestTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        OrvaneAPI::setServer(OrvaneAPI::Server::cn);
        OrvaneAPI::setBaseURL(OrvaneAPI::Server::cn, server.baseUrl());
        OrvaneAPI::setToken(std::nullopt);
    }
    void TearDown() override
    {
        OrvaneAPI::resetBaseURLs();
        OrvaneAPI::setToken(std::nullopt);
    }

    MiniHttpServer server;
    OrvaneProvider provider;
};

TEST_F(OrvaneRequestTest, TokenAndUserRequestsHaveTheirPathMethodHeadersAndBody)
{
    server.setResponse("POST", "/quintar/rest/v1/token", {200, R"({"code":200})"});
    server.setResponse("GET", "/manage-platform/rest/v2/user", {200, R"({"code":200})"});
    EXPECT_EQ(settle(provider.fetch<JSONResponse>(OrvaneAPI::token(QStringLiteral("ann"), QStringLiteral("pw\"1")))),
              nullptr);
    EXPECT_EQ(settle(provider.fetch<JSONResponse>(OrvaneAPI::user())), nullptr);
    OrvaneAPI::setToken(QStringLiteral("t0k"));
    EXPECT_EQ(settle(provider.fetch<JSONResponse>(OrvaneAPI::user())), nullptr);

    const QList<MiniHttpServer::Request> requests = server.requests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].header("content-type"), "application/json");
    const QJsonObject body = QJsonDocument::fromJson(requests[0].body).object();
    EXPECT_EQ(body, (QJsonObject{{QStringLiteral("username"), QStringLiteral("ann")},
                                 {QStringLiteral("password"), QStringLiteral("pw\"1")}}));
    EXPECT_FALSE(requests[0].headers.contains("authorization"));
    // Before any token the header carries the bare scheme and its blank.
    EXPECT_EQ(requests[1].method, "GET");
    EXPECT_TRUE(requests[1].headers.contains("authorization"));
    EXPECT_EQ(requests[1].header("authorization"), "Bearer ");
    EXPECT_EQ(requests[2].header("authorization"), "Bearer t0k");
}

TEST_F(OrvaneRequestTest, ErrorStatusesAreRepliesWhileNoAnswerIsATransportError)
{
    server.setResponse("GET", "/manage-platform/rest/v2/user", {502, "<html>bad gateway</html>", "text/html"});
    const ResponseError reply =
        errorOf<ResponseError>([&] { rethrow(settle(provider.fetch<JSONResponse>(OrvaneAPI::user()))); });
    EXPECT_EQ(reply.code(), 502);
    EXPECT_EQ(reply.message(), OrvaneProvider::cloudServerErrorMessage());
    server.setResponse("GET", "/manage-platform/rest/v2/user", {404, R"({"code":200,"data":{}})"});
    EXPECT_EQ(settle(provider.fetch<JSONResponse>(OrvaneAPI::user())), nullptr);
    // One accepted code: 200 is no longer enough.
    EXPECT_EQ(errorOf<ResponseError>([&] { rethrow(settle(provider.fetch<JSONResponse>(OrvaneAPI::user(), 201))); })
                  .code(),
              200);

    // A closed port.
    OrvaneAPI::setBaseURL(OrvaneAPI::Server::cn,
                          QUrl(QStringLiteral("http://127.0.0.1:%1").arg(orvane::test::closedPort())));
    EXPECT_THROW(rethrow(settle(provider.fetch<JSONResponse>(OrvaneAPI::user()))), TransportError);

    // A server that never answers: the request gives up after its time-out.
    OrvaneAPI::setBaseURL(OrvaneAPI::Server::cn, server.baseUrl());
    server.setSilent(true);
    provider.setTimeout(std::chrono::milliseconds(300));
    EXPECT_THROW(rethrow(settle(provider.fetch<JSONResponse>(OrvaneAPI::user()))), TransportError);
}

} // namespace
