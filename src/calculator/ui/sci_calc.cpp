#include "calculator/ui/sci_calc.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include "common/ui/qt_text.h"
#include "common/ui/tab_order.h"

namespace coinwell {

using calculator::FunctionKey;

namespace {

// Key columns and rows of the keypad, in pixels inside the central panel.
constexpr int kLeft = 16;
constexpr int kKeyWidth = 74;
constexpr int kColumnPitch = 83;
constexpr int kFunctionKeyHeight = 30;
constexpr int kLabelHeight = 14;
constexpr int kFunctionRowTop = 62;
constexpr int kFunctionRowPitch = 48;
constexpr int kPadTop = 214;
constexpr int kPadKeyHeight = 36;
constexpr int kPadRowPitch = 44;
constexpr int kSideLeft = 446;
constexpr int kSideWidth = 178;

int column(int index) {
    return kLeft + index * kColumnPitch;
}

QRect functionKeyRect(int row, int col) {
    return {column(col), kFunctionRowTop + row * kFunctionRowPitch + kLabelHeight, kKeyWidth,
            kFunctionKeyHeight};
}

QRect keyLabelRect(int row, int col) {
    return {column(col), kFunctionRowTop + row * kFunctionRowPitch, kKeyWidth, kLabelHeight};
}

QRect padKeyRect(int row, int col, int rows = 1) {
    return {column(col), kPadTop + row * kPadRowPitch, kKeyWidth,
            kPadKeyHeight + (rows - 1) * kPadRowPitch};
}

const char* kStyle = R"(
QPushButton {
    border: 1px solid #2b2b2b;
    border-bottom: 3px solid #1c1c1c;
    border-radius: 5px;
    font-family: "Arial";
    font-weight: bold;
}
QPushButton:pressed { border-bottom: 1px solid #1c1c1c; padding-top: 2px; }
QPushButton:focus { border: 2px solid #f0c000; border-bottom: 3px solid #f0c000; }
QPushButton[keyKind="digit"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfbf7, stop:1 #d9d9d2);
    color: #111111; font-size: 17px;
}
QPushButton[keyKind="operator"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #9aa9ba, stop:1 #71808f);
    color: #ffffff; font-size: 17px;
}
QPushButton[keyKind="equals"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2f7fd0, stop:1 #1c5aa0);
    color: #ffffff; font-size: 20px;
}
QPushButton[keyKind="function"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #66717f, stop:1 #434b57);
    color: #ffffff; font-size: 12px;
}
QPushButton[keyKind="shift"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e8b830, stop:1 #c08f10);
    color: #1a1a1a; font-size: 12px;
}
QPushButton[keyKind="clear"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9534f, stop:1 #a8302c);
    color: #ffffff; font-size: 13px;
}
QPushButton[keyKind="memory"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8a96a3, stop:1 #66727f);
    color: #ffffff; font-size: 11px;
}
QPushButton[keyKind="exit"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f4f4, stop:1 #c8c8c8);
    color: #8b0000; font-size: 13px;
}
QFrame#CalcBody {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a5361, stop:1 #2b313b);
    border: 2px solid #1d2128; border-radius: 12px;
}
QLabel { color: #102040; font-family: "Arial"; font-size: 12px; font-weight: bold; }
QLabel[keyLabel="true"] { color: #f2c14e; font-family: "Arial"; font-size: 10px; font-weight: bold; }
QLabel#InputLbl { color: #e8e8e8; }
QLineEdit#DspBox {
    background: #c9d6b4; color: #101810;
    border: 2px solid #3a4a3a; border-radius: 4px;
    font-family: "Courier New"; font-size: 22px; font-weight: bold;
    padding: 0 8px;
}
QListWidget {
    background: #ffffff; color: #101010; border: 1px solid #5a6a7a;
    font-family: "Courier New"; font-size: 12px;
}
QGroupBox#MemFrm {
    border: 1px solid #5a6a7a; border-radius: 4px; margin-top: 8px;
    font-family: "Arial"; font-size: 12px; font-weight: bold; color: #102040;
}
QGroupBox#MemFrm::title { subcontrol-origin: margin; left: 10px; padding: 0; }
QCheckBox { color: #e8e8e8; font-family: "Arial"; font-size: 12px; font-weight: bold; }
)";

}  // namespace

SciCalc::SciCalc(AppContext& context, QWidget* mainScreen)
    : ToolScreen(context, shell::calculatorScreenSpec(), mainScreen), engine_(context.desktop) {
    buildContent();
    connectKeys();
    refresh();
}

QPushButton* SciCalc::makeKey(const QString& name, const QString& caption, const QString& kind,
                              const QRect& geometry) {
    auto* key = new QPushButton(caption, content_);
    key->setObjectName(name);
    key->setProperty("keyKind", kind);
    key->setGeometry(geometry);
    key->setAutoDefault(true);  // Enter and the space bar press the key that has the focus
    if (kind != QLatin1String("digit")) {
        key->setContextMenuPolicy(Qt::PreventContextMenu);
    }
    keys_.insert(name, key);
    return key;
}

QLabel* SciCalc::makeLabel(const QString& name, const QString& caption, const QRect& geometry,
                           bool keyLabel) {
    auto* label = new QLabel(caption, content_);
    label->setObjectName(name);
    label->setProperty("keyLabel", keyLabel);
    label->setGeometry(geometry);
    label->setAlignment(keyLabel ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    return label;
}

void SciCalc::buildContent() {
    auto* layout = new QVBoxLayout(centralPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget(centralPanel());
    content_ = content;
    content->setObjectName(QStringLiteral("CalcContent"));
    content->setStyleSheet(QLatin1String(kStyle));
    layout->addWidget(content);

    // The calculator's case behind the display and the keys.
    auto* body = new QFrame(content);
    body->setObjectName(QStringLiteral("CalcBody"));
    body->setGeometry(6, 4, column(4) + kKeyWidth + 10, 468);

    display_ = new QLineEdit(content);
    display_->setObjectName(QStringLiteral("DspBox"));
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setContextMenuPolicy(Qt::PreventContextMenu);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setGeometry(62, 12, column(4) + kKeyWidth - 62, 40);
    makeLabel(QStringLiteral("InputLbl"), QStringLiteral("Input"), QRect(kLeft, 22, 44, 20), false);

    // Function keys, each with the name of its shifted function above it.
    struct FunctionKeyDef {
        const char* name;
        const char* caption;
        const char* kind;
        const char* labelName;
        const char* labelCaption;
    };
    const FunctionKeyDef functionKeys[3][5] = {
        {{"InvBtn", "INV", "shift", nullptr, nullptr},
         {"HypBtn", "HYP", "shift", nullptr, nullptr},
         {"SinBtn", "SIN", "function", "SinLbl", "hyp/arcsin"},
         {"CosBtn", "COS", "function", "CosLbl", "hyp/arccos"},
         {"TanBtn", "TAN", "function", "TanLbl", "hyp/arctan"}},
        {{"SqrtBtn", "SQRT", "function", "SqrtLbl", "X^2"},
         {"CubeRootBtn", "X^1/3", "function", "CubeRootLbl", "X^3"},
         {"LnBtn", "LN", "function", "LnLbl", "e^X"},
         {"LogBtn", "LOG", "function", "LogLbl", "10^X"},
         {"ReciprocalBtn", "1/X", "function", "ReciprocalLbl", "Abs"}},
        {{"PowerBtn", "Y^X", "function", "PowerLbl", "Y^1/X"},
         {"PiBtn", "Pi", "function", nullptr, nullptr},
         {"OpenParenBtn", "((...(", "operator", nullptr, nullptr},
         {"CloseParenBtn", ")...))", "operator", nullptr, nullptr},
         {"EexBtn", "EEX", "function", nullptr, nullptr}},
    };
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 5; ++col) {
            const FunctionKeyDef& def = functionKeys[row][col];
            makeKey(QLatin1String(def.name), QLatin1String(def.caption), QLatin1String(def.kind),
                    functionKeyRect(row, col));
            if (def.labelName) {
                makeLabel(QLatin1String(def.labelName), QLatin1String(def.labelCaption),
                          keyLabelRect(row, col));
            }
        }
    }

    // The keypad: digits, the decimal point and the change of sign, the four operators, CLX,
    // DSP and a tall "=".
    const int digitPlace[10][2] = {{3, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 0},
                                   {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}};
    for (int d = 0; d < 10; ++d) {
        digits_[d] =
            makeKey(QStringLiteral("DigitBtn(%1)").arg(d), QString::number(d),
                    QStringLiteral("digit"), padKeyRect(digitPlace[d][0], digitPlace[d][1]));
    }
    makeKey(QStringLiteral("DecimalBtn"), QStringLiteral("."), QStringLiteral("digit"),
            padKeyRect(3, 1));
    makeKey(QStringLiteral("ChsBtn"), QStringLiteral("+/-"), QStringLiteral("digit"),
            padKeyRect(3, 2))
        ->setContextMenuPolicy(Qt::PreventContextMenu);
    keys_.value(QStringLiteral("DecimalBtn"))->setContextMenuPolicy(Qt::PreventContextMenu);
    makeKey(QStringLiteral("DivBtn"), QStringLiteral("/"), QStringLiteral("operator"),
            padKeyRect(0, 3));
    makeKey(QStringLiteral("MulBtn"), QStringLiteral("x"), QStringLiteral("operator"),
            padKeyRect(1, 3));
    makeKey(QStringLiteral("SubBtn"), QStringLiteral("-"), QStringLiteral("operator"),
            padKeyRect(2, 3));
    makeKey(QStringLiteral("AddBtn"), QStringLiteral("+"), QStringLiteral("operator"),
            padKeyRect(3, 3));
    makeKey(QStringLiteral("ClxBtn"), QStringLiteral("CLX"), QStringLiteral("clear"),
            padKeyRect(0, 4));
    makeKey(QStringLiteral("DspBtn"), QStringLiteral("DSP"), QStringLiteral("function"),
            padKeyRect(1, 4));
    makeKey(QStringLiteral("EqualBtn"), QStringLiteral("="), QStringLiteral("equals"),
            padKeyRect(2, 4, 2));
    // The keypad was made digit by digit; Tab reads it row by row.
    QList<QWidget*> keypad;
    for (QPushButton* key : std::as_const(keys_)) {
        keypad << key;
    }
    orderTabByRows(keypad);

    degrees_ = new QCheckBox(QStringLiteral("Degrees"), content);
    degrees_->setObjectName(QStringLiteral("DegreesChk"));
    degrees_->setGeometry(kLeft + 4, kPadTop + 4 * kPadRowPitch + 14, 120, 24);
    degrees_->setContextMenuPolicy(Qt::PreventContextMenu);

    // The stack, top entry first, and the memories.
    makeLabel(QStringLiteral("StackLbl"), QStringLiteral("Stack"),
              QRect(kSideLeft, 10, kSideWidth, 18), false);
    stackList_ = new QListWidget(content);
    stackList_->setAccessibleName(QStringLiteral("Stack"));
    stackList_->setObjectName(QStringLiteral("StackLst"));
    stackList_->setGeometry(kSideLeft, 30, kSideWidth, 120);
    stackList_->setSelectionMode(QAbstractItemView::NoSelection);
    stackList_->setFocusPolicy(Qt::NoFocus);
    stackList_->setContextMenuPolicy(Qt::PreventContextMenu);

    memoryFrame_ = new QGroupBox(QStringLiteral(" Memory "), content);
    memoryFrame_->setObjectName(QStringLiteral("MemFrm"));
    memoryFrame_->setGeometry(kSideLeft, 158, kSideWidth, 254);
    memoryList_ = new QListWidget(memoryFrame_);
    memoryList_->setObjectName(QStringLiteral("MemLst"));
    memoryList_->setGeometry(8, 22, kSideWidth - 16, 148);
    memoryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    memoryList_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const std::string& line : engine_.memories()) {
        memoryList_->addItem(toQString(line));
    }
    // Whole lines only: no half-cut memory at the bottom of the list.
    memoryList_->ensurePolished();
    const int rowHeight = memoryList_->sizeHintForRow(0);
    if (rowHeight > 0) {
        const int frame = 2 * memoryList_->frameWidth();
        const int rows = (memoryList_->height() - frame) / rowHeight;
        memoryList_->resize(memoryList_->width(), rows * rowHeight + frame);
        memoryRowsShown_ = rows;
    }
    const int memoryKeyWidth = (kSideWidth - 16 - 8) / 3;
    auto memoryKey = [&](const char* name, const char* caption, int row, int col, int span) {
        QPushButton* key =
            makeKey(QLatin1String(name), QLatin1String(caption), QStringLiteral("memory"), QRect());
        key->setParent(memoryFrame_);
        key->setGeometry(8 + col * (memoryKeyWidth + 4), 178 + row * 34,
                         span * memoryKeyWidth + (span - 1) * 4, 28);
    };
    memoryKey("StoBtn", "STO", 0, 0, 1);
    memoryKey("StoPlusBtn", "STO+", 0, 1, 1);
    memoryKey("RclBtn", "RCL", 0, 2, 1);
    memoryKey("ClrBtn", "CLR", 1, 0, 1);
    memoryKey("ClearAllBtn", "Clear All", 1, 1, 2);

    makeKey(QStringLiteral("OffBtn"), QStringLiteral("E&XIT"), QStringLiteral("exit"),
            QRect(kSideLeft + kSideWidth - 100, 428, 100, 34));

    // The form sees every key first (the menus keep their own keys).
    installEventFilter(this);
    content->installEventFilter(this);
    for (QWidget* child : content->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void SciCalc::connectKeys() {
    auto on = [this](const char* name, auto action) {
        connect(keys_.value(QLatin1String(name)), &QPushButton::clicked, this, [this, action] {
            action();
            refresh();
        });
    };
    for (int d = 0; d < 10; ++d) {
        connect(digits_[d], &QPushButton::clicked, this, [this, d] { digitKey(d); });
    }
    on("DecimalBtn", [this] { engine_.decimalPoint(); });
    on("ChsBtn", [this] { engine_.changeSign(); });
    on("AddBtn", [this] { arithmeticKey("+"); });
    on("SubBtn", [this] { arithmeticKey("-"); });
    on("MulBtn", [this] { arithmeticKey("*"); });
    on("DivBtn", [this] { arithmeticKey("/"); });
    on("PowerBtn", [this] { engine_.powerKey(); });
    on("EqualBtn", [this] { engine_.equals(); });
    on("OpenParenBtn", [this] { engine_.openParenthesis(); });
    on("CloseParenBtn", [this] { engine_.closeParenthesis(); });
    on("ClxBtn", [this] { engine_.clearEntryAndStack(); });
    on("InvBtn", [this] { engine_.inverse(); });
    on("HypBtn", [this] { engine_.hyperbolic(); });
    on("SinBtn", [this] { engine_.functionKey(FunctionKey::Sin); });
    on("CosBtn", [this] { engine_.functionKey(FunctionKey::Cos); });
    on("TanBtn", [this] { engine_.functionKey(FunctionKey::Tan); });
    on("SqrtBtn", [this] { engine_.functionKey(FunctionKey::Sqrt); });
    on("CubeRootBtn", [this] { engine_.functionKey(FunctionKey::CubeRoot); });
    on("LnBtn", [this] { engine_.functionKey(FunctionKey::Ln); });
    on("LogBtn", [this] { engine_.functionKey(FunctionKey::Log); });
    on("ReciprocalBtn", [this] { engine_.functionKey(FunctionKey::Reciprocal); });
    on("PiBtn", [this] { engine_.pi(); });
    on("StoBtn", [this] { engine_.store(selectedMemory()); });
    on("StoPlusBtn", [this] { engine_.storePlus(selectedMemory()); });
    on("RclBtn", [this] { engine_.recall(selectedMemory()); });
    on("ClrBtn", [this] { engine_.clearMemory(selectedMemory()); });
    on("ClearAllBtn", [this] {
        engine_.resetMemories();
        memoryList_->clearSelection();
        memoryList_->setCurrentRow(-1);
    });
    on("DspBtn", [this] { engine_.displayFormatKey(); });
    on("EexBtn", [this] { engine_.exponentKey(); });
    connect(keys_.value(QStringLiteral("OffBtn")), &QPushButton::clicked, this, &QWidget::close);
    connect(degrees_, &QCheckBox::clicked, this,
            [this](bool ticked) { engine_.setDegrees(ticked); });
}

void SciCalc::digitKey(int digit) {
    engine_.digit(digit);
    refresh();
    // Enter now acts as "=".
    keys_.value(QStringLiteral("EqualBtn"))->setFocus();
}

void SciCalc::arithmeticKey(const char* op) {
    if (engine_.arithmeticKey(op)) {
        keys_.value(QStringLiteral("EqualBtn"))->setFocus();
    }
}

std::optional<int> SciCalc::selectedMemory() const {
    const QList<QListWidgetItem*> selected = memoryList_->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return memoryList_->row(selected.front());
}

void SciCalc::refresh() {
    const QString text = toQString(engine_.display());
    if (display_->text() != text) {
        display_->setText(text);
    }
    const std::vector<std::string>& stack = engine_.stack();
    if (stackList_->count() != static_cast<int>(stack.size())) {
        stackList_->clear();
        for (const std::string& entry : stack) {
            stackList_->addItem(toQString(entry));
        }
    } else {
        for (int i = 0; i < stackList_->count(); ++i) {
            stackList_->item(i)->setText(toQString(stack[static_cast<std::size_t>(i)]));
        }
    }
    const std::vector<std::string>& memories = engine_.memories();
    for (int i = 0; i < memoryList_->count() && i < static_cast<int>(memories.size()); ++i) {
        const QString line = toQString(memories[static_cast<std::size_t>(i)]);
        if (memoryList_->item(i)->text() != line) {
            memoryList_->item(i)->setText(line);
        }
    }
}

void SciCalc::activated() {
    engine_.activate();
}

void SciCalc::controlsResized() {
    // The list scaled with the window; its lines share the new height so that it still shows
    // the same number of whole lines and never part of one. The pixels left over go one each to
    // the first lines of every screenful, so any run of that many lines fills the list exactly.
    if (memoryRowsShown_ <= 0) {
        return;
    }
    const int height = memoryList_->viewport()->height();
    const int rowHeight = std::max(1, height / memoryRowsShown_);
    const int leftover = std::max(0, height - rowHeight * memoryRowsShown_);
    const int width = memoryList_->viewport()->width();
    for (int i = 0; i < memoryList_->count(); ++i) {
        const int extra = i % memoryRowsShown_ < leftover ? 1 : 0;
        memoryList_->item(i)->setSizeHint(QSize(width, rowHeight + extra));
    }
}

bool SciCalc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return ToolScreen::eventFilter(watched, event);
}

bool SciCalc::handleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool keypad = modifiers & Qt::KeypadModifier;
    const int key = event->key();

    auto operatorKey = [this](const char* op, const char* button) {
        arithmeticKey(op);
        refresh();
        keys_.value(QLatin1String(button))->setFocus();
        return true;
    };

    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        digitKey(key - Qt::Key_0);
        return true;
    }
    if (shift && !keypad) {
        // The digit keys of the main keyboard with Shift still type their digit (Shift+8 is
        // the multiply key).
        static const QHash<int, int> shiftedDigits = {
            {Qt::Key_ParenRight, 0},  {Qt::Key_Exclam, 1},    {Qt::Key_At, 2},
            {Qt::Key_NumberSign, 3},  {Qt::Key_Dollar, 4},    {Qt::Key_Percent, 5},
            {Qt::Key_AsciiCircum, 6}, {Qt::Key_Ampersand, 7}, {Qt::Key_ParenLeft, 9}};
        const auto digit = shiftedDigits.constFind(key);
        if (digit != shiftedDigits.constEnd()) {
            digitKey(digit.value());
            return true;
        }
    }
    switch (key) {
        case Qt::Key_Equal:
            if (!shift && !keypad) {
                engine_.equals();
                refresh();
                return true;
            }
            return false;
        case Qt::Key_Asterisk:
        case Qt::Key_X:
            return operatorKey("*", "MulBtn");
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return operatorKey("/", "DivBtn");
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return operatorKey("-", "SubBtn");
        case Qt::Key_Plus:
            return operatorKey("+", "AddBtn");
        case Qt::Key_Period:
        case Qt::Key_Greater:
            engine_.decimalPoint();
            refresh();
            keys_.value(QStringLiteral("DecimalBtn"))->setFocus();
            return true;
        case Qt::Key_Comma:
            if (keypad) {  // the numeric pad's decimal key under a comma locale
                engine_.decimalPoint();
                refresh();
                keys_.value(QStringLiteral("DecimalBtn"))->setFocus();
                return true;
            }
            return false;
        default:
            return false;
    }
}

ToolScreen* createSciCalc(AppContext& context, QWidget* mainScreen) {
    return new SciCalc(context, mainScreen);
}

}  // namespace coinwell
