#include "EventLoop.h"
#include "QXButton.h"
#include "QXColor.h"
#include "QXView.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A translation table with one entry, installed for the length of a test.
class OneEntryTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QByteArray(sourceText) == "ov_confirm" ? QStringLiteral("OK") : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(InternationalKey, ShowsTheTranslationOrTheKeyItselfWhenMissing)
{
    OneEntryTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QLabel label;
    QLineEdit edit;
    QPushButton button;
    qxkit::setInternationalKey(&label, QStringLiteral("ov_confirm"));
    qxkit::setInternationalKey(&edit, QStringLiteral("ov_no_such_entry"));
    qxkit::setInternationalKey(&button, QStringLiteral("ov_confirm"));
    EXPECT_EQ(label.text(), QStringLiteral("OK"));
    EXPECT_EQ(edit.text(), QStringLiteral("ov_no_such_entry"));
    EXPECT_EQ(button.text(), QStringLiteral("OK"));
    EXPECT_EQ(qxkit::internationalKey(&label), QStringLiteral("ov_confirm"));

    // Clearing the key leaves a text set in code alone.
    button.setText(QStringLiteral("Own title"));
    qxkit::setInternationalKey(&button, {});
    EXPECT_EQ(button.text(), QStringLiteral("Own title"));
    EXPECT_TRUE(qxkit::internationalKey(&button).isEmpty());

    qxkit::setToolTipKey(&label, QStringLiteral("ov_confirm"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("OK"));
    QCoreApplication::removeTranslator(&translator);
}

TEST(UserInterfaceDisabled, ClicksFallThroughToTheWidgetBehind)
{
    QWidget window;
    window.resize(200, 200);
    auto *behind = new QPushButton(&window);
    behind->setGeometry(0, 0, 200, 200);
    auto *cover = new QWidget(&window);
    cover->setGeometry(0, 0, 200, 200);
    auto *inner = new QWidget(cover);
    inner->setGeometry(50, 50, 100, 100);
    window.show();

    EXPECT_EQ(window.childAt(100, 100), inner);
    qxkit::setUserInterfaceDisabled(cover, true);
    EXPECT_TRUE(qxkit::userInterfaceDisabled(cover));
    EXPECT_EQ(window.childAt(100, 100), behind);
    qxkit::setUserInterfaceDisabled(cover, false);
    EXPECT_EQ(window.childAt(100, 100), inner);
}

TEST(ViewLayer, FollowsTheRulesOfColourRadiusAndBorder)
{
    QWidget widget;
    qxkit::setCRadius(&widget, 0);
    EXPECT_FALSE(qxkit::hasLayer(&widget));
    EXPECT_EQ(qxkit::cRadius(&widget), 0);

    qxkit::setCRadius(&widget, 8);
    EXPECT_TRUE(qxkit::hasLayer(&widget));
    EXPECT_EQ(qxkit::cRadius(&widget), 8);
    EXPECT_FALSE(qxkit::bgColor(&widget).has_value());

    qxkit::setBgColor(&widget, QColor(Qt::red));
    EXPECT_EQ(qxkit::bgColor(&widget), QColor(Qt::red));
    qxkit::setBorderColor(&widget, QColor(Qt::blue));
    qxkit::setBorderWidth(&widget, 2);
    EXPECT_EQ(qxkit::borderWidth(&widget), 2);

    // No colour turns the layer off, radius and border with it.
    qxkit::setBgColor(&widget, std::nullopt);
    EXPECT_FALSE(qxkit::hasLayer(&widget));
    EXPECT_EQ(qxkit::cRadius(&widget), 0);
    EXPECT_FALSE(qxkit::borderColor(&widget).has_value());
}

TEST(ViewLayer, PaintsUnderTheWidget)
{
    QWidget widget;
    widget.resize(40, 20);
    qxkit::setBgColor(&widget, qxkit::globalDark());
    const QImage image = widget.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 10), qxkit::globalDark());
}

TEST(QXButton, BackgroundFollowsTheEnabledState)
{
    QXButton button(QStringLiteral("Go"));
    EXPECT_EQ(qxkit::bgColor(&button), qxkit::globalThemeColor());
    button.setEnabled(false);
    EXPECT_EQ(qxkit::bgColor(&button), qxkit::disabledButtonColor());
    button.setEnabled(true);
    EXPECT_EQ(qxkit::bgColor(&button), qxkit::globalThemeColor());
}

} // namespace
