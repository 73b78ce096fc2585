#include "app/ui/ChartWindow.h"

#include "app/ui/QtWindowServices.h"

#include "app/compute/ResultDisplay.h"
#include "app/files/UserFile.h"
#include "app/form/InputFields.h"
#include "app/ui/ChartImage.h"
#include "app/ui/ChartPlot.h"
#include "app/ui/ErrorBox.h"
#include "app/ui/PlotView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <optional>
#include <string_view>

namespace vortalin {

namespace {

constexpr EditId kDefaultLeft = EditId::Edit17;  // heat transfer coefficient
constexpr EditId kDefaultRight = EditId::Edit14; // Reynolds number

const QColor kLeftColour(0x1f, 0x5f, 0xbf);
const QColor kRightColour(0x2e, 0x8b, 0x57);
constexpr QSize kInitialSize(860, 560);
constexpr int kTipDigits = 6;
// How near to a step, in pixels, the pointer shows its values.
constexpr double kTipRadius = 10;

const char* const kTitle = "Graf parametrickej štúdie";
const char* const kHint = "Graf ukáže poslednú parametrickú štúdiu: zapnite Údaje → Ulož do "
                          "súboru a stlačte Vypočítaj.";

std::size_t ResultIndexOf(EditId field) {
    for (std::size_t r = 0; r < kDisplayedResults.size(); ++r) {
        if (kDisplayedResults[r].field == field) {
            return r;
        }
    }
    return kDisplayedResults.size();
}

// "Súčiniteľ prestupu tepla (W.m-2.K-1):" without the colon and blanks after the unit.
QString CaptionFromLabel(QString text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

QString Number(double value) {
    return ChartLocale().toString(value, 'g', kTipDigits);
}

QCheckBox* NewCheckBox(const char* name, const char* text, QWidget& parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), &parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QString::fromUtf8(kTitle));
    // Left open, the window must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    ReadCaptions();
    CreateControls();
    CreateImageDialog();
    resize(kInitialSize);
    Redraw();
}

void ChartWindow::ReadCaptions() {
    // The captions of the main window's labels, as the core keeps them.
    for (std::size_t i = 0; i < kEditCount; ++i) {
        const std::string_view label = LabelOf(static_cast<EditId>(i));
        captions_[i] = QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
    }
    for (const ResultLabel& r : kResultLabels) {
        captions_[Index(r.field)] = CaptionFromLabel(QString::fromUtf8(r.label));
    }
}

void ChartWindow::CreateControls() {
    view_ = new PlotView(this);
    view_->setObjectName(QStringLiteral("ChartView"));
    view_->installEventFilter(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ChartSummary"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateChoiceRow());
    layout->addWidget(CreateScaleRow());
    layout->addWidget(view_, 1);
    layout->addWidget(summary_);
}

QWidget* ChartWindow::CreateChoiceRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    leftQuantity_ = new QComboBox(row);
    leftQuantity_->setObjectName(QStringLiteral("LeftQuantity"));
    rightQuantity_ = new QComboBox(row);
    rightQuantity_->setObjectName(QStringLiteral("RightQuantity"));
    for (QComboBox* box : {leftQuantity_, rightQuantity_}) {
        for (const ResultLabel& f : kResultLabels) {
            box->addItem(captions_[Index(f.field)], static_cast<int>(ResultIndexOf(f.field)));
        }
    }
    leftQuantity_->setCurrentIndex(leftQuantity_->findText(captions_[Index(kDefaultLeft)]));
    rightQuantity_->setCurrentIndex(rightQuantity_->findText(captions_[Index(kDefaultRight)]));
    rightShown_ = NewCheckBox("RightShown", "Pravá os y:", *row);

    auto* leftLabel = new QLabel(QStringLiteral("Ľavá os y:"), row);
    leftLabel->setBuddy(leftQuantity_);
    layout->addWidget(leftLabel);
    layout->addWidget(leftQuantity_, 1);
    layout->addSpacing(12);
    layout->addWidget(rightShown_);
    layout->addWidget(rightQuantity_, 1);

    for (QComboBox* box : {leftQuantity_, rightQuantity_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &ChartWindow::Redraw);
    }
    connect(rightShown_, &QCheckBox::toggled, this, &ChartWindow::Redraw);
    return row;
}

QWidget* ChartWindow::CreateScaleRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    logX_ = NewCheckBox("LogX", "Logaritmická os x", *row);
    logLeft_ = NewCheckBox("LogLeft", "Logaritmická ľavá os", *row);
    logRight_ = NewCheckBox("LogRight", "Logaritmická pravá os", *row);
    auto* save = new QPushButton(QStringLiteral("Uložiť obrázok…"), row);
    save->setObjectName(QStringLiteral("SaveImage"));
    saveImage_ = save;
    for (QCheckBox* box : {logX_, logLeft_, logRight_}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &ChartWindow::Redraw);
    }
    layout->addStretch(1);
    layout->addWidget(save);
    connect(save, &QPushButton::clicked, this, &ChartWindow::ChooseImageFile);
    return row;
}

void ChartWindow::CreateImageDialog() {
    imageDialog_ = new QFileDialog(this);
    imageDialog_->setObjectName(QStringLiteral("SaveImageDialog"));
    imageDialog_->setWindowTitle(QStringLiteral("Uložiť obrázok grafu"));
    imageDialog_->setAcceptMode(QFileDialog::AcceptSave);
    imageDialog_->setFileMode(QFileDialog::AnyFile);
    imageDialog_->setOptions(QFileDialog::DontUseNativeDialog);
    const QString png = QStringLiteral("Obrázok PNG (*.png)");
    const QString pdf = QStringLiteral("Dokument PDF (*.pdf)");
    imageDialog_->setNameFilters({png, pdf});
    imageDialog_->setDefaultSuffix(QStringLiteral("png"));
    // A name typed without a suffix gets the one of the chosen type.
    connect(imageDialog_, &QFileDialog::filterSelected, this, [this, pdf](const QString& filter) {
        imageDialog_->setDefaultSuffix(filter == pdf ? QStringLiteral("pdf")
                                                     : QStringLiteral("png"));
    });
}

void ChartWindow::ShowSweep(std::shared_ptr<const SweepSeries> sweep, const QString& subject) {
    sweep_ = std::move(sweep);
    view_->SetTitle(subject);
    Redraw();
}

void ChartWindow::Redraw() {
    QToolTip::hideText();
    summary_->setText(Summary());
    UpdateScaleToggles();
    plotted_.clear();
    saveImage_->setEnabled(sweep_ != nullptr);
    if (!sweep_) {
        const ChartAxis empty = NewAxis(std::nullopt, false, QString());
        view_->Show(empty, empty, std::nullopt, {});
        return;
    }
    const std::size_t left = ChosenResult(*leftQuantity_);
    const ChartAxis x =
        NewAxis(RangeOf(XValues(sweep_->Points(left))), logX_->isChecked(), XCaption());
    std::vector<PlotCurve> curves{Curve(left, false)};
    plotted_.push_back(left);
    std::optional<ChartAxis> rightAxis;
    if (rightShown_->isChecked()) {
        const std::size_t right = ChosenResult(*rightQuantity_);
        rightAxis = YAxis(right, logRight_->isChecked());
        curves.push_back(Curve(right, true));
        plotted_.push_back(right);
    }
    view_->Show(x, YAxis(left, logLeft_->isChecked()), rightAxis, std::move(curves));
}

void ChartWindow::UpdateScaleToggles() {
    const auto offer = [](QCheckBox& box, bool possible) {
        const QSignalBlocker quiet(box); // the redraw in progress already uses the result
        if (!possible) {
            box.setChecked(false);
        }
        box.setEnabled(possible);
    };
    if (!sweep_) {
        for (QCheckBox* box : {logX_, logLeft_, logRight_}) {
            offer(*box, false);
        }
        return;
    }
    const std::vector<ChartPoint>& left = sweep_->Points(ChosenResult(*leftQuantity_));
    const std::vector<ChartPoint>& right = sweep_->Points(ChosenResult(*rightQuantity_));
    offer(*logX_, AllPositive(XValues(left)));
    offer(*logLeft_, AllPositive(YValues(left)));
    offer(*logRight_, rightShown_->isChecked() && AllPositive(YValues(right)));
}

ChartAxis ChartWindow::YAxis(std::size_t result, bool logarithmic) const {
    return NewAxis(RangeOf(YValues(sweep_->Points(result))), logarithmic,
                   captions_[Index(kDisplayedResults[result].field)]);
}

PlotCurve ChartWindow::Curve(std::size_t result, bool rightAxis) const {
    return {captions_[Index(kDisplayedResults[result].field)],
            rightAxis ? kRightColour : kLeftColour, rightAxis, sweep_->Points(result)};
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::MouseMove) {
            ShowPointTip(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::Leave) {
            QToolTip::hideText();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartWindow::ShowPointTip(const QPoint& pointer) {
    // The step drawn nearest to the pointer, of either result, when it is close enough.
    const std::optional<PlotView::Step> step = view_->StepNear(pointer, kTipRadius);
    if (!step) {
        QToolTip::hideText();
        return;
    }
    const ChartPoint& point = view_->Curves()[step->curve].points[step->point];
    QToolTip::showText(view_->mapToGlobal(pointer), PointText(plotted_[step->curve], point), view_);
}

QString ChartWindow::PointText(std::size_t result, const ChartPoint& point) const {
    QString text = XCaption() + QStringLiteral(": ") + Number(point.x) + QLatin1Char('\n') +
                   captions_[Index(kDisplayedResults[result].field)] + QStringLiteral(": ") +
                   Number(point.y);
    if (point.refusal != SweepSeries::kAccepted) {
        text += QStringLiteral("\nMimo platnosti rovnice: ") +
                QString::fromStdString(sweep_->Refusals().at(point.refusal));
    } else if (point.warning != SweepSeries::kNoWarning) {
        text += QStringLiteral("\nUpozornenie: ") +
                QString::fromStdString(sweep_->WarningTexts().at(point.warning));
    }
    return text;
}

QString ChartWindow::Summary() const {
    if (!sweep_) {
        return QString::fromUtf8(kHint);
    }
    QString text =
        QStringLiteral("Počet krokov: %1, z toho mimo platnosti rovnice: %2, s upozornením: %3.")
            .arg(sweep_->Steps())
            .arg(sweep_->RefusedSteps())
            .arg(sweep_->WarnedSteps());
    if (sweep_->BucketSize() > 1) {
        text += QStringLiteral(" Z každých %1 krokov sú zobrazené najmenšia a najväčšia hodnota.")
                    .arg(sweep_->BucketSize());
    }
    return text;
}

QString ChartWindow::XCaption() const {
    const std::optional<EditId> swept = sweep_ ? sweep_->SweptField() : std::nullopt;
    return swept ? captions_[Index(*swept)] : QString();
}

std::size_t ChartWindow::ChosenResult(const QComboBox& box) const {
    return static_cast<std::size_t>(box.currentData().toInt());
}

void ChartWindow::ChooseImageFile() {
    const std::optional<std::string> path = AskForFile(*imageDialog_, FileKind::ChartPicture);
    if (!path) {
        return;
    }
    const QString error = SaveImage(QString::fromStdString(*path));
    if (!error.isEmpty()) {
        ShowFailure(this, error);
    }
}

QString ChartWindow::SaveImage(const QString& path) {
    const std::optional<ImageFormat> format = ImageFormatOf(path);
    if (!format) {
        return QStringLiteral("Obrázok „%1“ sa neuložil: zvoľte príponu .png alebo .pdf.")
            .arg(path);
    }
    const QString title = view_->Title().isEmpty()
                              ? windowTitle()
                              : windowTitle() + QStringLiteral(": ") + view_->Title();
    const QByteArray bytes = RenderImage(*view_, *format, title);
    if (bytes.isEmpty()) {
        return QStringLiteral("Obrázok „%1“ sa nepodarilo nakresliť.").arg(path);
    }
    const std::string reason =
        WriteUserFile(path.toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      ReaderWait::Briefly);
    if (!reason.empty()) {
        return QStringLiteral("Obrázok „%1“ sa nepodarilo uložiť (%2).")
            .arg(path, QString::fromStdString(reason));
    }
    return {};
}

} // namespace vortalin
