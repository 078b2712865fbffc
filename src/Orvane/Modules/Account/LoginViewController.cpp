#include "LoginViewController.h"

#include "Core/NSNavigationController.h"
#include "Core/Utils.h"
#include "JSONResponse.h"
#include "OrvaneProvider.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXDeviceStatus.h"
#include "QXLocalized.h"
#include "QXView.h"
#include "User.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QShowEvent>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

constexpr int formWidth = 420;
constexpr int fieldHeight = 34;

// The token sits at data.token.access_token; a value that is not text reads as its text form and
// a missing one as "", while a reply without data gives no token at all.
std::optional<QString> accessToken(const JSONResponse &reply)
{
    if (!reply.data)
        return std::nullopt;
    const QJsonValue value = reply.data->toObject().value(QStringLiteral("token")).toObject().value(
        QStringLiteral("access_token"));
    if (value.isString())
        return value.toString();
    if (const std::optional<qint64> integer = orvane::json::integer(value))
        return QString::number(*integer);
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

QLabel *tipLabel(const QString &key, bool withColon, QWidget *parent)
{
    auto *label = new QLabel(parent);
    qxkit::setInternationalKey(label, key);
    if (withColon)
        label->setText(label->text() + QLatin1Char(':'));
    return label;
}

// A field on its own dark background, as the account and password fields are drawn.
QWidget *fieldBackground(QLineEdit *field, QWidget *parent)
{
    auto *background = new QWidget(parent);
    qxkit::setBgColor(background, qxkit::hexWithHex(0x303344));
    background->setFixedHeight(fieldHeight);
    field->setParent(background);
    field->setFrame(false);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    field->setPalette(palette);
    auto *layout = new QHBoxLayout(background);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(field);
    return background;
}

} // namespace

LoginViewController::LoginViewController(NextFactory makeNext, QWidget *parent)
    : QWidget(parent), m_makeNext(std::move(makeNext)), m_serverIndex(qint64(OrvaneAPI::server()))
{
    buildUI();
    m_serverBox->setDelegate(this);
    m_serverBox->setStringOfIndex(quint64(m_serverIndex));
}

LoginViewController::~LoginViewController() = default;

void LoginViewController::buildUI()
{
    setPalette(qxkit::darkPalette());
    setAutoFillBackground(true);

    m_loginTip = tipLabel(QStringLiteral("ov_login_tip"), false, this);
    QFont titleFont = m_loginTip->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_loginTip->setFont(titleFont);
    m_loginTip->setAlignment(Qt::AlignCenter);

    m_serverTip = tipLabel(QStringLiteral("ov_service_tip"), true, this);
    m_serverBox = new ComboBoxView(this);
    m_serverBox->setFixedHeight(fieldHeight);
    m_serverBox->setShowFull(true);
    m_serverTip->setBuddy(m_serverBox);

    m_usernameTip = tipLabel(QStringLiteral("ov_username"), true, this);
    m_usernameTF = new QLineEdit;
    m_usernameTF->setText(orvane::User::account().value_or(QString()));
    m_usernameBG = fieldBackground(m_usernameTF, this);
    m_usernameTip->setBuddy(m_usernameTF);

    m_pwdTip = tipLabel(QStringLiteral("ov_password"), true, this);
    m_pwdTF = new QLineEdit;
    qxkit::setPasswordEntry(m_pwdTF);
    m_pwdTF->setText(orvane::User::password().value_or(QString()));
    m_pwdBG = fieldBackground(m_pwdTF, this);
    m_pwdTip->setBuddy(m_pwdTF);

    m_loginBtn = new QXButton(this);
    qxkit::setInternationalKey(m_loginBtn, QStringLiteral("ov_confirm"));
    m_loginBtn->setFixedHeight(fieldHeight);
    m_loginIndicator = new QProgressBar(this);
    m_loginIndicator->setRange(0, 0);
    m_loginIndicator->setTextVisible(false);
    m_loginIndicator->setFixedHeight(6);
    m_loginIndicator->setAccessibleName(m_loginTip->text());
    m_loginIndicator->hide();

    connect(m_loginBtn, &QPushButton::clicked, this, &LoginViewController::login);
    connect(m_usernameTF, &QLineEdit::returnPressed, this, &LoginViewController::login);
    connect(m_pwdTF, &QLineEdit::returnPressed, this, &LoginViewController::login);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(14);
    form->addWidget(m_serverTip, 0, 0, Qt::AlignRight);
    form->addWidget(m_serverBox, 0, 1);
    form->addWidget(m_usernameTip, 1, 0, Qt::AlignRight);
    form->addWidget(m_usernameBG, 1, 1);
    form->addWidget(m_pwdTip, 2, 0, Qt::AlignRight);
    form->addWidget(m_pwdBG, 2, 1);
    form->addWidget(m_loginBtn, 3, 1);
    form->addWidget(m_loginIndicator, 4, 1);
    form->setColumnStretch(1, 1);

    auto *box = new QWidget(this);
    box->setFixedWidth(formWidth);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(24);
    boxLayout->addWidget(m_loginTip);
    boxLayout->addLayout(form);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(box, 0, Qt::AlignHCenter);
    layout->addStretch(2);

    setTabOrder(m_serverBox, m_usernameTF);
    setTabOrder(m_usernameTF, m_pwdTF);
    setTabOrder(m_pwdTF, m_loginBtn);
}

QStringList LoginViewController::serverNames()
{
    return QXDeviceStatus::serverList();
}

std::optional<QStringList> LoginViewController::contentForCombleBox(ComboBoxView *)
{
    return serverNames();
}

void LoginViewController::comboBox(ComboBoxView *, qint64 index, const QString &)
{
    const std::optional<OrvaneAPI::Server> server = OrvaneAPI::serverFromRawValue(index);
    if (!server)
        return;
    m_serverIndex = index;
    OrvaneAPI::setServer(*server);
}

void LoginViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || m_appeared)
        return;
    m_appeared = true;
    if (orvane::User::isLoggedIn())
        pushNext();
}

void LoginViewController::pushNext()
{
    NSNavigationController *navigation = orvane::navigationController(this);
    if (!navigation || !m_makeNext)
        return;
    navigation->pushViewController(m_makeNext(), false);
}

void LoginViewController::login()
{
    const QString account = m_usernameTF->text();
    const QString password = m_pwdTF->text();
    if (account.isEmpty() || password.isEmpty() || m_loggingIn)
        return;
    setLoggingIn(true);

    // Every step runs on the GUI thread; the steps hold the screen weakly, so a screen closed
    // meanwhile is skipped while the signed-in user and the remembered account still count.
    QObject *gui = QCoreApplication::instance();
    const OrvaneProvider provider;
    const QPointer<LoginViewController> self(this);
    provider.fetch<JSONResponse>(OrvaneAPI::token(account, password))
        .then(gui,
              [provider](const JSONResponse &reply) {
                  OrvaneAPI::setToken(accessToken(reply));
                  return provider.fetch<JSONResponse>(OrvaneAPI::user());
              })
        .unwrap()
        .then(gui, [](const JSONResponse &reply) { return decode<orvane::User>(reply, QStringLiteral("user")); })
        .then(gui,
              [self, account, password](const orvane::User &user) {
                  orvane::User::setCurrent(user);
                  orvane::User::setAccount(account);
                  orvane::User::setPassword(password);
                  if (self)
                      self->pushNext();
              })
        .onFailed(gui,
                  [](const std::exception &error) {
                      // The error names the failing step and the service's code, never the request.
                      QTextStream(stdout) << "login: " << error.what() << Qt::endl;
                      showLoginFailed();
                  })
        .onFailed(gui, [] { showLoginFailed(); })
        .onCanceled(gui, [] { showLoginFailed(); })
        .then(gui, [self] {
            if (self)
                self->setLoggingIn(false);
        });
}

void LoginViewController::showLoginFailed()
{
    Utils::shareInstance()->showDialogWithType(Utils::DialogType::info,
                                               qxLocalized(QStringLiteral("ov_login_failed")), nullptr);
}

void LoginViewController::setLoggingIn(bool loggingIn)
{
    m_loggingIn = loggingIn;
    m_loginBtn->setVisible(!loggingIn);
    m_loginIndicator->setVisible(loggingIn);
}
