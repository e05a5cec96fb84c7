#include "FRs232CodeDoc.h"

#include "DialogLook.h"
#include "DocumentPaths.h"
#include "ui/VirtualKeys.h"

#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;
TfmRs232Code* fmRs232Code = nullptr;

namespace {
constexpr int kTop = 24;

QString ReadDocument(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}
}  // namespace

TRs232CodeViewer::TRs232CodeViewer(TComponent* owner, const QString& name, const QString& caption,
                                   const char* document)
    : TForm(owner) {
    SetName(name);
    DialogLook::SetFrame(*this, kDesignWidth, 665, DialogLook::kCloseBox | DialogLook::kSizeable);
    SetCaption(caption);
    SetColor(clWindow);
    Scroller = new QScrollArea(this);
    Scroller->setObjectName(QStringLiteral("Scroller"));
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Scroller->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: white; }"));
    auto* page = new QWidget;
    RTFLabel = new QLabel(page);
    RTFLabel->setObjectName(QStringLiteral("RTFLabel"));
    RTFLabel->setTextFormat(Qt::RichText);
    RTFLabel->setWordWrap(true);
    RTFLabel->setFixedWidth(kColumnWidth);
    // The text is set now; its layout waits for the first show (LayOutDocument).
    RTFLabel->setText(ReadDocument(document));
    RTFLabel->move(kMargin, kTop);
    Scroller->setWidget(page);
    Scroller->viewport()->installEventFilter(this);
    Scroller->installEventFilter(this);
    // Closing hides the form: a maximised viewer opens normal next time.
    OnHide = [this](TComponent*) { FormClose(); };
    FormResize();
}

int TRs232CodeViewer::ColumnLeft(int width) {
    return width < kDesignWidth ? kMargin : (width - kDesignWidth) / 2 + kMargin;
}

void TRs232CodeViewer::FormResize() {
    Scroller->setGeometry(0, 0, width(), height());
    const int left = ColumnLeft(width());
    RTFLabel->move(left, kTop);
    QWidget* page = Scroller->widget();
    page->resize(std::max(left + kColumnWidth + kMargin, Scroller->viewport()->width()),
                 RTFLabel->height() + 2 * kTop);
}

void TRs232CodeViewer::ScrollBy(bool vertical, int delta) {
    QScrollBar* bar = vertical ? Scroller->verticalScrollBar() : Scroller->horizontalScrollBar();
    bar->setValue(bar->value() + delta);  // the bar keeps it within its range
}

bool TRs232CodeViewer::FormKeyDown(int key) {
    const int page = frameGeometry().height();
    switch (key) {
        case VK_PRIOR: ScrollBy(true, -page); return true;
        case VK_NEXT: ScrollBy(true, page); return true;
        case VK_UP: ScrollBy(true, -kLineStep); return true;
        case VK_DOWN: ScrollBy(true, kLineStep); return true;
        case VK_LEFT: ScrollBy(false, -kLineStep); return true;
        case VK_RIGHT: ScrollBy(false, kLineStep); return true;
        default: return false;
    }
}

void TRs232CodeViewer::FormMouseWheelUp() { ScrollBy(true, -kLineStep); }
void TRs232CodeViewer::FormMouseWheelDown() { ScrollBy(true, kLineStep); }

void TRs232CodeViewer::FormClose() {
    setWindowState(Qt::WindowNoState);
    resize(kClosedWidth, kClosedHeight);
}

void TRs232CodeViewer::LayOutDocument() {
    if (FLaidOut) return;
    FLaidOut = true;
    RTFLabel->adjustSize();
    FormResize();
}

void TRs232CodeViewer::showEvent(QShowEvent* event) {
    LayOutDocument();
    TForm::showEvent(event);
}

void TRs232CodeViewer::resizeEvent(QResizeEvent* event) {
    TForm::resizeEvent(event);
    FormResize();
}


bool TRs232CodeViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (dy > 0) FormMouseWheelUp();
        if (dy < 0) FormMouseWheelDown();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int vk = 0;
        switch (key->key()) {
            case Qt::Key_PageUp: vk = VK_PRIOR; break;
            case Qt::Key_PageDown: vk = VK_NEXT; break;
            case Qt::Key_Up: vk = VK_UP; break;
            case Qt::Key_Down: vk = VK_DOWN; break;
            case Qt::Key_Left: vk = VK_LEFT; break;
            case Qt::Key_Right: vk = VK_RIGHT; break;
            default: break;
        }
        if (vk != 0 && FormKeyDown(vk)) return true;
    }
    return TForm::eventFilter(watched, event);
}

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent* owner)
    : TRs232CodeViewer(owner, QStringLiteral("fmRs232CodeEnglish"), QStringLiteral("RS232 Protocal Code"),
                       kControlCodesEnglish) {}

TfmRs232Code::TfmRs232Code(TComponent* owner)
    : TRs232CodeViewer(owner, QStringLiteral("fmRs232Code"), QStringLiteral("232通讯协议控制代码"),
                       kControlCodesChinese) {}
