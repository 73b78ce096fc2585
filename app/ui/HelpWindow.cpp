#include "app/ui/HelpWindow.h"

#include "app/BuildId.h"
#include "app/Version.h"
#include "app/form/Controls.h"
#include "app/form/FieldDescriptions.h"
#include "app/form/InputNames.h"
#include "app/ui/FormControls.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

// The pages are compiled into the library; a static library needs them registered, from
// outside any namespace.
static void RegisterHelpPages() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

namespace vortalin {

namespace {

constexpr QSize kWindowSize(760, 640);
constexpr const char* kGeometryPagePrefix = "geometria-";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The geometry whose page this is; nullopt for the other pages.
std::optional<Geometry> GeometryOfPage(const QString& page) {
    for (std::size_t i = 0; i < kGeometryCount; ++i) {
        const auto geometry = static_cast<Geometry>(i);
        if (page == GeometryPage(geometry)) {
            return geometry;
        }
    }
    return std::nullopt;
}

// A row of the fields table: the field's full name, then what it is and what this geometry
// does with it (the tooltip's lines after the name).
QString FieldRow(Geometry geometry, EditId field) {
    const FieldContext context{geometry, Fluid::Air, RowCountMode::ManyRows};
    QStringList lines = FromUtf8(InputToolTip(field, context)).split(QLatin1Char('\n'));
    const QString name = lines.takeFirst();
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
        .arg(name.toHtmlEscaped(), lines.join(QLatin1Char(' ')).toHtmlEscaped());
}

QString FieldsHtml(Geometry geometry) {
    QString rows;
    for (const InputField& f : kInputFields) {
        if (FormOf(f.field) == FormId::MainWindow && GeometryReads(geometry, f.field)) {
            rows += FieldRow(geometry, f.field);
        }
    }
    return QStringLiteral("<h2>Polia, ktoré geometria číta</h2>"
                          "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">%1</table>"
                          "<p>Ostatné polia sú pri tejto geometrii sivé a výpočet ich "
                          "nepoužíva.</p>")
        .arg(rows);
}

// The criterion equations of the geometry with their validity ranges, written from the
// equations' own table, take their place here; until that table exists the page has none.
QString EquationsHtml(Geometry /*geometry*/) {
    return {};
}

QString PageFile(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString GeometryPage(Geometry geometry) {
    return QLatin1String(kGeometryPagePrefix) + FromUtf8(GeometryName(geometry)) +
           QStringLiteral(".html");
}

QString HelpPageHtml(const QString& page) {
    RegisterHelpPages();
    QString html = PageFile(page);
    if (const std::optional<Geometry> geometry = GeometryOfPage(page);
        geometry && !html.isEmpty()) {
        const QString caption = FromUtf8(GeometryCaption(*geometry)).toHtmlEscaped();
        html.replace(QStringLiteral("<!-- title -->"), QStringLiteral("<h1>%1</h1>").arg(caption));
        html.replace(QStringLiteral("<!-- fields -->"), FieldsHtml(*geometry));
        html.replace(QStringLiteral("<!-- equations -->"), EquationsHtml(*geometry));
    }
    return html;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource) {
        return HelpPageHtml(name.fileName());
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget& parent) : QWidget(&parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Používateľská príručka – Vortalin"));
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false); // the guide works without a network
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kWindowSize);
}

void HelpWindow::ShowPage(const QString& page) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::CurrentPage() const {
    return browser_->source().fileName();
}

QString AboutText() {
    return QStringLiteral("Vortalin %1 (zostavenie %6)\n"
                          "Súčiniteľ prestupu tepla pri nútenom prúdení.\n\n"
                          "© %2\n"
                          "Licencia: %3. Všetky práva vyhradené; licencia na kopírovanie, "
                          "úpravy ani šírenie programu nebola udelená.\n\n"
                          "Qt %4\n\n"
                          "Presnosť vlastností tekutín opisuje stránka docs/accuracy.md v "
                          "zdrojových súboroch programu (dokumentácia projektu, %5).")
        .arg(QLatin1String(kVersion), QString::fromUtf8(kCopyright), QLatin1String(kLicense),
             QLatin1String(qVersion()), QLatin1String(kHomepage), QString::fromUtf8(BuildId()));
}

void AddHelpMenu(QMainWindow& window, HelpWindow& help, std::function<Geometry()> selected) {
    auto* menu = window.menuBar()->addMenu(QStringLiteral("Pomocník"));
    menu->setObjectName(QStringLiteral("Pomocnik1"));
    auto* guide = new QAction(QStringLiteral("Používateľská príručka"), &window);
    guide->setObjectName(QStringLiteral("Pouzivatelskaprirucka1"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    guide->setShortcutContext(Qt::ApplicationShortcut); // from the range dialog and the guide too
    QObject::connect(guide, &QAction::triggered, &help, [&help, selected = std::move(selected)] {
        help.ShowPage(GeometryPage(selected()));
    });
    auto* about = new QAction(QStringLiteral("O programe Vortalin"), &window);
    about->setObjectName(QStringLiteral("OprogrameVortalin1"));
    QObject::connect(about, &QAction::triggered, &window, [&window] {
        QMessageBox box(QMessageBox::Information, QStringLiteral("O programe Vortalin"),
                        AboutText(), QMessageBox::Ok, &window);
        box.setObjectName(QStringLiteral("AboutBox"));
        box.setIconPixmap(window.windowIcon().pixmap(64, 64));
        box.exec();
    });
    menu->addAction(guide);
    menu->addAction(about);
    window.addAction(guide); // F1 works with the menu closed
}

} // namespace vortalin
