#include "ExtPage.h"
#include "LookupForm.h"

#include <QPainter>
#include <QTabBar>

namespace {

// Notes every tab drawing request and paints the tab plainly.
class TabPainter : public QObject {
    Q_OBJECT
public:
    QStringList calls;
    bool hadCanvas = true;

public slots:
    void DrawTab(QObject *Control, int TabIndex, QRect Rect, bool Active)
    {
        auto *pages = qobject_cast<TExtPageControl *>(Control);
        hadCanvas = hadCanvas && pages && pages->Canvas();
        calls.append(QStringLiteral("%1:%2%3").arg(TabIndex).arg(pages->PageForTab(TabIndex)->Caption(),
                                                   Active ? QStringLiteral("*") : QString()));
        if (pages && pages->Canvas())
            pages->Canvas()->fillRect(Rect, Qt::yellow);
    }
};

// Pages with these captions; those starting with "-" have their tab hidden.
struct Pages {
    TForm form;
    TExtPageControl *control = nullptr;

    explicit Pages(const QStringList &captions, int active = -1)
    {
        control = new TExtPageControl(&form, &form);
        control->SetBounds(0, 0, 300, 120);
        for (const QString &caption : captions) {
            auto *page = new TTabSheet(&form, control);
            const bool hidden = caption.startsWith(QLatin1Char('-'));
            page->SetCaption(hidden ? caption.mid(1) : caption);
            page->SetTabVisible(!hidden);
        }
        if (active >= 0)
            control->SetActivePageIndex(active);
        form.SetBounds(0, 0, 320, 140);
        form.show();
    }

    QImage tabBar() const { return control->tabBar()->grab().toImage(); }
    QRect tabRect(int visibleTab) const
    {
        QTabBar *bar = control->tabBar();
        int tab = -1;
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->isTabVisible(i) && ++tab == visibleTab)
                return bar->tabRect(i);
        }
        return {};
    }
};

TEST(ExtPageControl, DrawTabEventPaintsEveryVisibleTab)
{
    TabPainter painter;
    Pages pages({QStringLiteral("-A"), QStringLiteral("B"), QStringLiteral("C")}, 1);
    pages.control->SetOnDrawTab(MethodOf(&painter, "DrawTab"));
    const QImage image = pages.tabBar();
    EXPECT_EQ(painter.calls, (QStringList{"0:B*", "1:C"}));
    EXPECT_TRUE(painter.hadCanvas);
    EXPECT_EQ(pages.control->Canvas(), nullptr);
    const QPoint inside = pages.tabRect(1).center();
    EXPECT_EQ(image.pixelColor(inside), QColor(Qt::yellow));
}

TEST(ExtPageControl, HiddenTabsDoNotShiftTheCaptions)
{
    Pages withHidden({QStringLiteral("-基本选项"), QStringLiteral("系统选项"), QStringLiteral("高级选项")}, 1);
    Pages withoutHidden({QStringLiteral("系统选项"), QStringLiteral("高级选项")}, 0);
    Pages hiddenShown({QStringLiteral("基本选项"), QStringLiteral("系统选项"), QStringLiteral("高级选项")}, 1);
    const QRect tab = withHidden.tabRect(1);
    ASSERT_EQ(tab, withoutHidden.tabRect(1));
    EXPECT_EQ(withHidden.tabBar().copy(tab), withoutHidden.tabBar().copy(tab));
    EXPECT_NE(withHidden.tabBar().copy(tab), hiddenShown.tabBar().copy(hiddenShown.tabRect(1)));
}

TEST(ExtPageControl, ActiveTabInsetInCaptionColours)
{
    using ktr::platform::toQColor;
    Pages pages({QStringLiteral("基本选项"), QStringLiteral("系统选项")}, 0);
    const QImage image = pages.tabBar();
    const QRect active = pages.tabRect(0);
    const QRect inactive = pages.tabRect(1);
    const QRgb activeFill = toQColor(clActiveCaption).rgb();
    const QRgb inactiveFill = toQColor(clInactiveCaption).rgb();
    ASSERT_NE(activeFill, inactiveFill);
    EXPECT_EQ(image.pixel(active.topLeft() + QPoint(3, 3)), activeFill);
    EXPECT_NE(image.pixel(active.topLeft() + QPoint(1, 1)), activeFill)
        << "the active tab is inset by 2 pixels";
    EXPECT_EQ(image.pixel(inactive.topLeft() + QPoint(1, 1)), inactiveFill);
}

} // namespace

#include "tst_extpage.moc"
