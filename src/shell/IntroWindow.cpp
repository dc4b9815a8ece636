#include "shell/IntroWindow.h"

#include "shell/ErrorTrap.h"
#include "shell/QtWindowPlacement.h"
#include "shell/Version.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace corvanta {
namespace {

const QColor kSilver(192, 192, 192);

QGroupBox* addFrame(QWidget* parent, const char* name, QRect geometry, bool silver) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    if (silver) {
        setBackgroundColour(frame, kSilver);
    }
    return frame;
}

QString versionLine() {
    return QStringLiteral("Corvanta version %1.%2 \u2013 meal plans in food-group servings")
        .arg(kProgramVersion.major)
        .arg(kProgramVersion.minor, 2, 10, QLatin1Char('0'));
}

} // namespace

IntroWindow::IntroWindow(Dialogs& dialogs, QWidget* parent)
    : FormWindow(parent, Qt::Window)
    , dialogs_(dialogs) {
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Introduction"));
    resize(twips(7665), twips(4860));
    setBackgroundColour(this, kSilver);

    QGroupBox* outTitle = addFrame(this, "frmOutTitle", twipsRect(90, 1845, 7440, 1320), false);
    QGroupBox* inTitle = addFrame(outTitle, "frmInTitle", twipsRect(135, 135, 7170, 1050), false);
    auto* title = new QLabel(QStringLiteral("   MEAL ZUDUZADUV"), inTitle);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setGeometry(twipsRect(1215, 270, 5640, 690));
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPointSizeF(26.25);
    titleFont.setItalic(true);
    titleFont.setBold(false);
    title->setFont(titleFont);
    setTextColour(title, QColor(0, 128, 128));

    QGroupBox* outCopy = addFrame(this, "frmOutCopy", twipsRect(2745, 90, 2265, 1635), true);
    QGroupBox* inCopy = addFrame(outCopy, "frmInCopy", twipsRect(135, 135, 1995, 1365), true);
    auto* copy = new QLabel(versionLine(), inCopy);
    copy->setObjectName(QStringLiteral("lblCopy"));
    copy->setGeometry(twipsRect(180, 225, 1725, 1050));
    copy->setWordWrap(true);
    copy->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(copy, QColor(0, 128, 0));

    QGroupBox* okFrame = addFrame(this, "frmOk", twipsRect(5895, 765, 960, 645), true);
    auto* ok = new QPushButton(QStringLiteral("OK"), okFrame);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setGeometry(twipsRect(90, 180, 780, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void IntroWindow::formLoad() {
    ErrorTrap trap(dialogs_, "Sub Form_Load()");
    trap.step([this] {
        if (background_ != nullptr) {
            background_->showForm();
        }
    });
    trap.step([this] {
        QtWindowPlacement placement(*this);
        centreOnScreen(placement);
    });
    trap.step([this] { showForm(); });
}

void IntroWindow::cmdOK_Click() {
    ErrorTrap trap(dialogs_, "Sub cmdOK_Click()");
    trap.step([this] {
        if (planner_) {
            planner_().showForm();
        }
    });
    trap.step([this] { hide(); });
}

} // namespace corvanta
