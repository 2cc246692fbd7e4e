#include "ui/drawing/design_report_export.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>

#include "analysis/orientation.h"
#include "analysis/report.h"
#include "cli/headless.h"
#include "core/app_state.h"
#include "core/startup.h"
#include "core/tables.h"
#include "diagrams/display_list.h"
#include "ui/drawing/diagram_export.h"
#include "ui/drawing/diagram_renderer.h"
#include "ui/drawing/graph_export.h"
#include "ui/drawing/paged_text.h"
#include "util/app_error.h"
#include "util/messages.h"
#include "util/numbers.h"
#include "util/text.h"

namespace vornexa {
namespace {

// The pictures' fonts are sized in points for this resolution, as in their own files.
constexpr int kDpi = 96;
constexpr size_t kCaptionWidth = 90;
constexpr double kGraphWidth = 640;
constexpr double kGraphHeight = 480;

using PaintInto = std::function<void(QPainter&, const QRectF&)>;

std::string TitleOf(const ProjectRecord& project) {
    return project.ProjTitle.empty()
               ? std::filesystem::path(project.CurrentFile).filename().string()
               : project.ProjTitle;
}

std::string AzimuthsText(const Parms& p) {
    const std::string sigmaH = "SigmaH " + FormatSingle(p.AzimSigmaH);
    if (p.PlanType == kPlanDevelopment) {
        return sigmaH + ", Entries " + FormatSingle(p.AzimEntries) + ", Left Cross Cut " +
               FormatSingle(p.AzimLeftCross) + ", Right Cross Cut " +
               FormatSingle(p.AzimRightCross) + " (degrees)";
    }
    return sigmaH + ", Headgate " + FormatSingle(p.AzimHeadGate) + " (degrees), " +
           std::string(kSequenceNames[p.LongType == 1 ? 1 : 0]);
}

// A new page: the caption, then the picture as large as the body allows, centred across it.
void PlacePicture(PagedText& doc, const std::string& caption, QSizeF natural,
                  const PaintInto& paint) {
    doc.NewPage();
    doc.PrintText(WrapText(caption, kCaptionWidth) + std::string(kCrLf));
    const double left = doc.ToPixels(PagedText::kLeft);
    const double top = doc.ToPixels(doc.top());
    const double width = doc.ToPixels(doc.pageWidth() - 2 * PagedText::kLeft);
    const double height = doc.ToPixels(doc.pageHeight() - PagedText::kBottomMargin) - top;
    const double scale = std::min(width / natural.width(), height / natural.height());
    const QSizeF size = natural * scale;
    doc.painter().save();
    paint(doc.painter(), QRectF(QPointF(left + (width - size.width()) / 2, top), size));
    doc.painter().restore();
}

void PaintDiagram(QPainter& painter, const QRectF& target, const DisplayList& list) {
    painter.translate(target.topLeft());
    painter.scale(target.width() / DisplayList::kWidth, target.height() / DisplayList::kHeight);
    PaintDisplayList(painter, list);
}

void WritePages(PagedText& doc, AppState& state, const QDateTime& now) {
    const std::string report = AcceptedReport(state);
    const ProjectRecord& project = state.project;
    doc.Begin(now);
    doc.PrintText(report);
    const std::string about = TitleOf(project) + ": " + AzimuthsText(project.ProjParms);
    const DisplayList diagram = DiagramOf(state.viewParms);
    PlacePicture(doc, "Stress Design Diagram of " + about,
                 QSizeF(DisplayList::kWidth, DisplayList::kHeight),
                 [&diagram](QPainter& painter, const QRectF& target) {
                     PaintDiagram(painter, target, diagram);
                 });
    if (project.ProjParms.PlanType == kPlanLongwall) {
        PlacePicture(doc, "Stress Graph of " + about, QSizeF(kGraphWidth, kGraphHeight),
                     [&state](QPainter& painter, const QRectF& target) {
                         PaintStressGraph(painter, target, state.graph, state.workParms,
                                          state.viewParms);
                     });
    }
    if (project.ProjParms.SigmaHTolerance > 0) {
        doc.NewPage();
        doc.PrintText(LayoutSweepText(project.ProjParms));
    }
    doc.End();
}

// A text string of any script: UTF-16, big-endian, with its byte order mark.
QByteArray PdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text) {
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return hex + '>';
}

QByteArray TrailerValue(const QByteArray& trailer, const QByteArray& key) {
    const qsizetype at = trailer.indexOf(key + ' ');
    if (at < 0) {
        return {};
    }
    const qsizetype from = at + key.size() + 1;
    const qsizetype to = trailer.indexOf('\n', from);
    return trailer.mid(from, to - from).trimmed();
}

// Qt's writer has no author entry: an incremental update replaces the document
// information and leaves every byte Qt wrote as it was. Unchanged when the
// trailer is not one Qt writes.
QByteArray WithInformation(QByteArray pdf, const QString& title, const QString& author,
                           const QString& creator, const QDateTime& now) {
    const QString producer = QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype xrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || xrefAt < trailerAt) {
        return pdf;
    }
    const QByteArray trailer = pdf.mid(trailerAt, xrefAt - trailerAt);
    const QByteArray info = TrailerValue(trailer, "/Info");
    const QByteArray root = TrailerValue(trailer, "/Root");
    const QByteArray size = TrailerValue(trailer, "/Size");
    const QByteArray previous = pdf.mid(xrefAt + 9).trimmed().split('\n').value(0).trimmed();
    if (info.isEmpty() || root.isEmpty() || size.isEmpty() || previous.isEmpty()) {
        return pdf;
    }
    const QByteArray object = info.split(' ').value(0);
    if (!pdf.endsWith('\n')) {
        pdf += '\n';
    }
    const qsizetype objectAt = pdf.size();
    pdf += object + " 0 obj\n<<\n/Title " + PdfText(title) + "\n/Author " + PdfText(author) +
           "\n/Creator " + PdfText(creator) + "\n/Producer " + PdfText(producer) +
           "\n/CreationDate (D:" + now.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
           ")\n>>\nendobj\n";
    const qsizetype xref = pdf.size();
    pdf += "xref\n" + object + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') +
           " 00000 n \ntrailer\n<<\n/Size " + size + "\n/Info " + info + "\n/Root " + root +
           "\n/Prev " + previous + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

bool SaveWhole(const std::string& path, const QByteArray& bytes, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace

bool ExportDesignReport(const AppState& state, const std::optional<QPageLayout>& page,
                        const std::string& path, const QDateTime& now, std::string& error) {
    AppState report = state;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString title = QString::fromStdString(TitleOf(state.project));
    const QString program = QString::fromStdString(std::string(kProductTitle));
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDpi);
        pdf.setTitle(title);
        pdf.setCreator(program);
        pdf.setPageLayout(page.value_or(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF())));
        pdf.setPageMargins(QMarginsF());
        PagedText doc(pdf, kDpi, state.exeName, [] {});
        try {
            WritePages(doc, report, now);
        } catch (const AppError& failure) {
            error = failure.description();
            return false;
        }
    }
    const QString creator =
        program + QLatin1Char(' ') +
        QString::fromStdString(VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
    return SaveWhole(path, WithInformation(buffer.data(), title, program, creator, now), error);
}

std::optional<int> RunPdfCommand(const std::vector<std::string>& args, const PlatformInfo& platform,
                                 std::ostream& err) {
    if (args.empty() || args[0] != "--pdf") {
        return std::nullopt;
    }
    if (args.size() != 3 ||
        ToUpperAscii(std::filesystem::path(args[2]).extension().string()) != ".PDF") {
        err << "Usage: vornexa --pdf FILE OUT.pdf\n";
        return 2;
    }
    StderrPresenter presenter(err);
    AppState state(presenter);
    if (!OpenProjectHeadless(state, platform, args[1])) {
        return 1;
    }
    std::string error;
    if (!ExportDesignReport(state, std::nullopt, args[2], QDateTime::currentDateTime(), error)) {
        err << "Cannot write the design report to " << args[2] << ": " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vornexa
