// Renders HTML pages into one PDF: the help book in its reading order, or the
// pages given on the command line.
//   vornexa_doc_tool --book CONTENTS.tsv OUT.pdf [TITLE]
//   vornexa_doc_tool OUT.pdf TITLE PAGE.html...

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <optional>

#include "core/help_book.h"
#include "util/app_error.h"
#include "util/files.h"

namespace {

constexpr double kMarginMm = 20;
constexpr double kFooterPoints = 9;

struct Job {
    QString out;
    QString title;
    QStringList pages;
};

void Fail(const QString& text) {
    std::fprintf(stderr, "vornexa_doc_tool: %s\n", qPrintable(text));
}

std::optional<Job> BookJob(const QString& contentsPath, const QString& out, const QString& title) {
    vornexa::HelpBook book;
    try {
        vornexa::ParseHelpContents(vornexa::ReadFileBytes(contentsPath.toStdString()), book);
    } catch (const vornexa::AppError& error) {
        Fail(contentsPath + QStringLiteral(": ") + QString::fromStdString(error.description()));
        return std::nullopt;
    }
    // A broken book must break the build, not ship with pages missing.
    if (!book.problems.empty()) {
        for (const std::string& problem : book.problems) {
            Fail(QString::fromStdString(problem));
        }
        return std::nullopt;
    }
    Job job{out, title, {}};
    const QString folder = QFileInfo(contentsPath).absolutePath() + QLatin1Char('/');
    for (const std::string& page : book.ContentsPages()) {
        job.pages << folder + QString::fromStdString(page);
    }
    return job;
}

std::optional<Job> ParseArguments(const QStringList& args) {
    if (args.size() >= 3 && args[1] == QLatin1String("--book")) {
        return BookJob(args[2], args.value(3), args.value(4));
    }
    if (args.size() >= 4 && !args[1].startsWith(QLatin1String("--"))) {
        return Job{args[1], args[2], args.mid(3)};
    }
    return std::nullopt;
}

class PdfBook {
  public:
    PdfBook(const QString& out, const QString& title) : writer_(out) {
        writer_.setTitle(title);
        writer_.setCreator(QStringLiteral("Vornexa"));
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                               QPageLayout::Millimeter);
    }

    bool Begin() { return painter_.begin(&writer_); }
    bool End() { return painter_.end(); }

    // Each page of the book starts on a new sheet.
    bool AddPage(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Fail(path + QStringLiteral(": ") + file.errorString());
            return false;
        }
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&writer_);
        const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        doc.setMetaInformation(QTextDocument::DocumentUrl, url.toString());
        doc.setBaseUrl(url);
        doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
        doc.setHtml(QString::fromUtf8(file.readAll()));
        const QRectF body = BodyRect();
        doc.setPageSize(body.size());
        for (int i = 0; i < doc.pageCount(); ++i) {
            if (sheets_ > 0) {
                writer_.newPage();
            }
            ++sheets_;
            DrawSheet(doc, i, body);
        }
        return true;
    }

  private:
    QRectF BodyRect() const {
        const QRectF area = writer_.pageLayout().paintRectPixels(writer_.resolution());
        return QRectF(0, 0, area.width(), area.height() - FooterHeight());
    }

    double FooterHeight() const { return kFooterPoints * 2 * writer_.resolution() / 72.0; }

    void DrawSheet(QTextDocument& doc, int index, const QRectF& body) {
        painter_.save();
        const QRectF clip(0, index * body.height(), body.width(), body.height());
        painter_.translate(0, -clip.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        doc.documentLayout()->draw(&painter_, context);
        painter_.restore();
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(kFooterPoints);
        painter_.setFont(QFont(font, &writer_));
        const QRectF footer(0, body.height(), body.width(), FooterHeight());
        painter_.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, QString::number(sheets_));
    }

    QPdfWriter writer_;
    QPainter painter_;
    int sheets_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::optional<Job> job = ParseArguments(QCoreApplication::arguments());
    if (!job || job->out.isEmpty() || job->pages.isEmpty()) {
        Fail(
            QStringLiteral("usage: vornexa_doc_tool --book CONTENTS.tsv OUT.pdf [TITLE] | "
                           "vornexa_doc_tool OUT.pdf TITLE PAGE.html..."));
        return 2;
    }
    PdfBook book(job->out, job->title);
    if (!book.Begin()) {
        Fail(job->out + QStringLiteral(": cannot be written"));
        return 1;
    }
    bool ok = true;
    for (const QString& page : job->pages) {
        ok = book.AddPage(page) && ok;
    }
    book.End();
    if (!ok) {
        QFile::remove(job->out);
        return 1;
    }
    return 0;
}
