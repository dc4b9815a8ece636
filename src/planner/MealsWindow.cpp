#include "planner/MealsWindow.h"

#include "shell/QtWindowPlacement.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvanta {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    // Set explicitly so that a control inside a bold frame does not inherit the bold.
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QFont arialBold() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

// Display boxes take no input, but their figures are what the user reads: keep the text dark
// rather than the faint grey of a disabled box.
void makeDisplayOnly(QLineEdit* box) {
    box->setEnabled(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, kBlack);
    box->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                 const QFont& font, std::optional<QColor> colour = std::nullopt,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    if (colour) {
        setTextColour(label, *colour);
    }
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(arialBold());
    button->setAutoDefault(false);
    return button;
}

// Left edge of each column's boxes, in twips: breakfast, lunch, dinner, snack, day total.
constexpr std::array<int, kColumns.size()> kColumnLeft{1500, 2640, 3780, 4920, 6060};
constexpr int kBoxWidth = 375;
constexpr int kBoxHeight = 360;
constexpr int kFirstRowTop = 300;

constexpr int rowTop(std::size_t row) {
    return kFirstRowTop + kBoxHeight * static_cast<int>(row);
}

struct RowLabel {
    const char* name;
    int left;
    int width;
};

// The User grid's row labels, in food-group order; each ends at 1455 twips.
constexpr std::array<RowLabel, kFoodGroups.size()> kUserRowLabels{{
    {"UseBSLbl", 240, 1215},
    {"UseLMLbl", 420, 1035},
    {"Label16", 120, 1335},
    {"Label15", 120, 1335},
    {"UseVLbl", 480, 975},
    {"UseFRLbl", 1020, 435},
    {"UseSMLbl", 480, 975},
    {"Label14", 420, 1035},
    {"Label13", 360, 1095},
    {"UseFLbl", 1020, 435},
}};

constexpr std::array<const char*, kPlanRows.size()> kProgramRowLabels{
    "ProBSLbl", "ProLMLbl", "ProVLbl", "ProFRLbl", "ProSMLbl", "ProFLbl"};

struct ResultControl {
    const char* labelName;
    const char* caption;
    QRect label;
    QRect box;
};

// Result areas, in twips inside their frame: calories, carbohydrate, protein, fat.
struct ResultArea {
    const char* percentName;
    QRect percent;
    std::array<ResultControl, kResults.size()> controls;
};

const ResultArea& resultArea(Grid grid) {
    static const ResultArea user{
        "UPercentLBL",
        twipsRect(7260, 1440, 1755, 255),
        {{
            {"UCalorieLbl", "Calories", twipsRect(7200, 960, 795, 255),
             twipsRect(8100, 900, 915, 360)},
            {"UCarbLbl", "Carbs", twipsRect(7500, 1860, 615, 255), twipsRect(8280, 1800, 495, 375)},
            {"UProteinLbl", "Proteins", twipsRect(7320, 2340, 795, 255),
             twipsRect(8280, 2280, 495, 375)},
            {"UFatLbl", "Fats", twipsRect(7680, 2820, 435, 255), twipsRect(8280, 2760, 495, 375)},
        }},
    };
    static const ResultArea program{
        "PPercentLbl",
        twipsRect(7260, 840, 1755, 255),
        {{
            {"PCalorieLbl", "Calories", twipsRect(7140, 300, 795, 255),
             twipsRect(8040, 240, 915, 360)},
            {"PCarbLbl", "Carbs", twipsRect(7500, 1260, 615, 255), twipsRect(8280, 1200, 495, 375)},
            {"PProteinLbl", "Proteins", twipsRect(7320, 1740, 795, 255),
             twipsRect(8280, 1680, 495, 375)},
            {"PFatLbl", "Fats", twipsRect(7680, 2220, 435, 255), twipsRect(8280, 2160, 495, 375)},
        }},
    };
    return grid == Grid::User ? user : program;
}

QString gridName(Grid grid) {
    return grid == Grid::User ? QStringLiteral("User") : QStringLiteral("Program");
}

} // namespace

MealsWindow::MealsWindow(Dialogs& dialogs, PrinterDevice& printer, QWidget* parent)
    : FormWindow(parent, Qt::Window)
    , planner_(*this, dialogs)
    , printout_(*this, dialogs, printer) {
    setObjectName(QStringLiteral("Meals"));
    setWindowTitle(QStringLiteral("Meal Planner"));
    setFont(windowFont());
    resize(twips(10425), twips(8370));

    buildTopControls();

    auto* programFrame = new QGroupBox(QStringLiteral("Program"), this);
    programFrame->setObjectName(QStringLiteral("PFrame"));
    programFrame->setGeometry(twipsRect(420, 1440, 9555, 2595));
    setBackgroundColour(programFrame, kSilver);
    setTextColour(programFrame, kBlack);

    auto* userFrame = new QGroupBox(QStringLiteral("User"), this);
    userFrame->setObjectName(QStringLiteral("UFrame"));
    userFrame->setGeometry(twipsRect(420, 4140, 9555, 4035));
    setTextColour(userFrame, kBlue);

    for (QGroupBox* frame : {programFrame, userFrame}) {
        QFont bold = windowFont();
        bold.setBold(true);
        frame->setFont(bold);
    }

    buildGrid(programFrame, Grid::Program);
    buildResults(programFrame, Grid::Program);
    buildGrid(userFrame, Grid::User);
    buildResults(userFrame, Grid::User);

    calc_ =
        addButton(userFrame, "UCalcBtn", QStringLiteral("Calc"), twipsRect(7020, 3480, 735, 375));
    undo_ = addButton(userFrame, "UnDo", QStringLiteral("UnDo"), twipsRect(8460, 3480, 735, 375));

    buildTabOrder();

    connect(options_, &QButtonGroup::idClicked, this,
            [this](int index) { planner_.OptBtn_Click(index); });
    connect(undo_, &QPushButton::clicked, this, [this] { planner_.UnDo_Click(); });
    connect(calc_, &QPushButton::clicked, this, [this] { planner_.UCalcBtn_Click(); });
    connect(done_, &QPushButton::clicked, this, [this] { planner_.Done_Click(); });
    connect(print_, &QPushButton::clicked, this, [this] { printout_.Print_Click(); });
    // Closing the window from its title bar asks the Done question.
    setCloseHandler([this] { planner_.Done_Click(); });
}

void MealsWindow::buildTopControls() {
    print_ = addButton(this, "Print", QStringLiteral("Print"), twipsRect(9000, 120, 1095, 435));
    done_ = addButton(this, "Done", QStringLiteral("Done"), twipsRect(9000, 780, 1095, 435));
    addLabel(this, "Label11", QStringLiteral("Select Your Daily Calorie Intake"),
             twipsRect(3300, 60, 3135, 255), arialBold());

    auto* strip = new QGroupBox(this);
    strip->setObjectName(QStringLiteral("Frame1"));
    strip->setGeometry(twipsRect(1920, 300, 6075, 795));
    buildCalorieStrip(strip);

    struct Heading {
        const char* name;
        MealSlot column;
        QRect geometry;
    };
    const std::array<Heading, kColumns.size()> headings{{
        {"BreakfastLbl", MealSlot::Breakfast, twipsRect(1500, 1200, 1095, 255)},
        {"LunchLbl", MealSlot::Lunch, twipsRect(2880, 1200, 735, 255)},
        {"DinnerLbl", MealSlot::Dinner, twipsRect(3960, 1200, 855, 255)},
        {"SnackLbl", MealSlot::Snack, twipsRect(5100, 1200, 795, 255)},
        {"Label12", MealSlot::Total, twipsRect(6360, 1200, 675, 255)},
    }};
    QFont headingFont = windowFont();
    headingFont.setBold(true);
    headingFont.setItalic(true);
    for (const Heading& heading : headings) {
        addLabel(this, heading.name, QString::fromUtf8(columnLabel(heading.column)),
                 heading.geometry, headingFont, kBlack);
    }
}

void MealsWindow::buildCalorieStrip(QWidget* strip) {
    options_ = new QButtonGroup(this);
    options_->setObjectName(QStringLiteral("OptBtn"));
    options_->setExclusive(true);
    for (int index = kFirstLevel; index <= kLastLevel; ++index) {
        const int offset = 600 * (index - 1);
        const QString kcal = QString::number(dailyTargetKcal(index));
        addLabel(strip, qPrintable(QStringLiteral("Label%1").arg(index)), kcal,
                 twipsRect(120 + offset, 180, 435, 255), windowFont(), kBlue);
        auto* option = new QRadioButton(strip);
        option->setObjectName(QStringLiteral("OptBtn"));
        option->setGeometry(twipsRect(240 + offset, 420, 255, 255));
        option->setAccessibleName(kcal + QStringLiteral(" kcal"));
        options_->addButton(option, index);
    }
}

void MealsWindow::buildGrid(QGroupBox* frame, Grid grid) {
    const QFont font = windowFont();
    auto addBox = [&](Field field, QRect geometry, const QString& description) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString::fromUtf8(field.name()));
        box->setGeometry(geometry);
        box->setFont(font);
        box->setAccessibleName(description);
        if (grid == Grid::Program) {
            makeDisplayOnly(box);
        }
        boxes_.at(field.index()) = box;
    };

    if (grid == Grid::User) {
        for (FoodGroup group : kFoodGroups) {
            const std::size_t row = indexOf(group);
            const RowLabel& label = kUserRowLabels.at(row);
            const QString caption = QString::fromUtf8(userLabel(group));
            addLabel(frame, label.name, caption,
                     twipsRect(label.left, rowTop(row) + 60, label.width, 255), font, kBlue);
            for (MealSlot column : kColumns) {
                addBox(
                    Field::user(column, group),
                    twipsRect(kColumnLeft.at(indexOf(column)), rowTop(row), kBoxWidth, kBoxHeight),
                    QStringLiteral("User, %1, %2")
                        .arg(QString::fromUtf8(columnLabel(column)), caption));
            }
        }
        return;
    }

    for (PlanRow planRow : kPlanRows) {
        const std::size_t row = indexOf(planRow);
        const QString caption = QString::fromUtf8(programLabel(planRow));
        // The fats label stands level with its boxes; the others sit 60 twips lower.
        const int labelTop = planRow == PlanRow::Fat ? rowTop(row) : rowTop(row) + 60;
        addLabel(frame, kProgramRowLabels.at(row), caption, twipsRect(120, labelTop, 1275, 255),
                 font, kBlack, Qt::AlignRight | Qt::AlignTop);
        for (MealSlot column : kColumns) {
            addBox(Field::program(column, planRow),
                   twipsRect(kColumnLeft.at(indexOf(column)), rowTop(row), kBoxWidth, kBoxHeight),
                   QStringLiteral("Program, %1, %2")
                       .arg(QString::fromUtf8(columnLabel(column)), caption));
        }
    }
}

void MealsWindow::buildResults(QGroupBox* frame, Grid grid) {
    const ResultArea& area = resultArea(grid);
    const QColor colour = grid == Grid::User ? kBlue : kBlack;
    const QFont font = windowFont();
    const QString percentCaption = QStringLiteral("Percent of calories");
    addLabel(frame, area.percentName, percentCaption, area.percent, font, colour);
    for (Result result : kResults) {
        const ResultControl& control = area.controls.at(static_cast<std::size_t>(result));
        const QString caption = QString::fromLatin1(control.caption);
        addLabel(frame, control.labelName, caption, control.label, font, colour);
        const Field field = Field::result(grid, result);
        auto* box = new QLineEdit(frame);
        box->setObjectName(QString::fromUtf8(field.name()));
        box->setGeometry(control.box);
        box->setFont(font);
        makeDisplayOnly(box);
        box->setAccessibleName(
            result == Result::Calories
                ? QStringLiteral("%1, Calories").arg(gridName(grid))
                : QStringLiteral("%1, %2 (%3)").arg(gridName(grid), caption, percentCaption));
        boxes_.at(field.index()) = box;
    }
}

void MealsWindow::buildTabOrder() {
    // Print, Done, the option group, the User grid, then UnDo and Calc.
    std::vector<QWidget*> order{print_, done_};
    for (QAbstractButton* option : options_->buttons()) {
        order.push_back(option);
    }
    const std::array mainRows{FoodGroup::Bread, FoodGroup::LeanMeat, FoodGroup::Vegetable,
                              FoodGroup::Fruit, FoodGroup::SkimMilk, FoodGroup::Fat};
    for (FoodGroup group : mainRows) {
        for (MealSlot meal : kMeals) {
            order.push_back(box(Field::user(meal, group)));
        }
    }
    for (FoodGroup group : mainRows) {
        order.push_back(box(Field::user(MealSlot::Total, group)));
    }
    for (FoodGroup group : {FoodGroup::WholeMilk, FoodGroup::LowFatMilk, FoodGroup::HighFatMeat,
                            FoodGroup::MediumFatMeat}) {
        for (MealSlot column : kColumns) {
            order.push_back(box(Field::user(column, group)));
        }
    }
    order.push_back(undo_);
    order.push_back(calc_);
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
    print_->setFocus();
}

std::string MealsWindow::text(Field field) const {
    return box(field)->text().toStdString();
}

void MealsWindow::setText(Field field, std::string_view text) {
    box(field)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool MealsWindow::isOptionOn(int index) const {
    const QAbstractButton* option = options_->button(index);
    return option != nullptr && option->isChecked();
}

void MealsWindow::formLoad() {
    QtWindowPlacement placement(*this);
    planner_.Form_Load(placement);
}

} // namespace corvanta
