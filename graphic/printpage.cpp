#include "graphic/printpage.h"

#include "graphic/canvas.h"
#include "graphic/drawingrules.h"
#include "graphic/printlayout.h"
#include "record/haltungrecord.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};

CanvasFont Arial(double points) {
    return CanvasFont{"Arial", points, 0, false};
}

// Everything PrintSectionPage needs for one page.
struct PageFrame {
    const PrintLayout& l;
    int xp, y0;
    PageWindow w;

    // y(v) = trunc(y0 + v - lo) for a scaled position v.
    int at(double v) const noexcept { return SaturatingTrunc(y0 + v - w.lo); }
    // The lower edge of the page's window.
    int bottom() const noexcept { return SaturatingTrunc(y0 + w.height()); }
};

void PrintPipe(Canvas& canvas, const PageFrame& f, const HaltungRecord& record, int page) {
    const PrintLayout& l = f.l;
    const int m = l.PipePageCount;
    if (page > m - 1)
        return;
    const double slice = l.PipeSlice(page);
    const bool lastPipePage = page == m - 1;
    const double extra = lastPipePage ? 0.2 * l.PrintScaleY : 0.0;
    const int leftWall = l.x(f.xp, -0.05);
    const int rightWall = l.x(f.xp, 0.05);
    const int wallTop = l.y(f.y0, -0.2);
    const int wallBottom = SaturatingTrunc(f.y0 + slice + extra);
    Line(canvas, leftWall, wallTop, leftWall, wallBottom);
    Line(canvas, rightWall, wallTop, rightWall, wallBottom);

    canvas.setBrush(White);
    if (page == 0)
        canvas.ellipse(l.x(f.xp, -0.2), l.y(f.y0, -0.4), l.x(f.xp, 0.2), f.y0);
    if (lastPipePage && record.inspektionAbgebrochen == 0)
        canvas.ellipse(l.x(f.xp, -0.2), SaturatingTrunc(f.y0 + slice), l.x(f.xp, 0.2),
                       SaturatingTrunc(f.y0 + slice + 0.4 * l.PrintScaleY));

    if (m > 1) {
        const auto mark = [&](int from, int to) {
            Line(canvas, leftWall, from, leftWall, to);
            Line(canvas, rightWall, from, rightWall, to);
        };
        if (!lastPipePage) // the pipe goes on on the next page
            mark(SaturatingTrunc(f.y0 + slice + 0.1 * l.PrintScaleY),
                 SaturatingTrunc(f.y0 + slice + 0.3 * l.PrintScaleY));
        if (page > 0) // it came from the previous page
            mark(l.y(f.y0, -0.3), l.y(f.y0, -0.5));
    }
}

void PrintDirections(Canvas& canvas, const PageFrame& f, const HaltungRecord& record) {
    const PrintLayout& l = f.l;
    const int xp = f.xp, y0 = f.y0;
    canvas.setPen(Black, 2);
    Triangle(canvas, {l.x(xp, -1.7), y0}, {l.x(xp, -1.3), y0}, {l.x(xp, -1.5), l.y(y0, 0.4)});
    canvas.setPen(Black, 1);
    canvas.textOut(l.x(xp, -1.7), l.y(y0, -0.4), "UR");
    canvas.textOut(l.x(xp, -1.1), l.y(y0, -1.0), StartManhole(record));
    canvas.setPen(Black, 2);
    if (record.againstFlow()) {
        Triangle(canvas, {l.x(xp, -1.7), l.y(y0, 1.2)}, {l.x(xp, -1.3), l.y(y0, 1.2)},
                 {l.x(xp, -1.5), l.y(y0, 0.8)});
        canvas.setPen(Black, 1);
        canvas.textOut(l.x(xp, -1.7), l.y(y0, 1.3), "FR");
    } else {
        Triangle(canvas, {l.x(xp, -1.7), l.y(y0, 0.9)}, {l.x(xp, -1.3), l.y(y0, 0.9)},
                 {l.x(xp, -1.5), l.y(y0, 1.3)});
        canvas.setPen(Black, 1);
        canvas.textOut(l.x(xp, -1.7), l.y(y0, 0.5), "FR");
    }
}

void PrintBrackets(Canvas& canvas, const PageFrame& f, const HaltungRecord& record) {
    const PrintLayout& l = f.l;
    const int xt = l.x(f.xp, -0.3);
    for (int k = 0; k < 10; ++k) {
        const StreckenPair& pair = record.strecken[static_cast<std::size_t>(k)];
        if (pair.anfang == StreckeUnset)
            break;
        const double b = l.MetreScale * pair.anfang;
        const double e = l.MetreScale * pair.ende;
        const int xb = SaturatingTrunc(f.xp - (1.0 - 0.06 * k) * l.PrintScaleX);
        const bool beginIn = f.w.contains(b);
        const bool endIn = f.w.contains(e);
        const bool forward = pair.ende > pair.anfang;
        if (beginIn)
            Line(canvas, xt, f.at(b), xb, f.at(b));
        if (endIn && forward)
            Line(canvas, xb, f.at(e), xt, f.at(e));
        if (beginIn && endIn && forward)
            Line(canvas, xb, f.at(b), xb, f.at(e));
        else if (beginIn && e >= f.w.hi)
            Line(canvas, xb, f.at(b), xb, f.bottom());
        else if (endIn && b < f.w.lo)
            Line(canvas, xb, l.y(f.y0, -0.2), xb, f.at(e));
        else if (b < f.w.lo && e >= f.w.hi)
            Line(canvas, xb, l.y(f.y0, -0.2), xb, f.bottom());
    }
}

// Columns of the observation rows, in units right of the pipe axis.
struct Column {
    double x;
    std::string_view first, second;
};
constexpr Column Columns[] = {
    {1.2, "Entf.", "[m]"},       {2.1, "K\xFCrzel", ""}, {3.4, "Langtext", ""},
    {8.7, "Textzusatz", "M143"}, {9.7, "", "A149"},      {10.7, "Rissbr.", "[mm]"},
    {11.7, "Pos.ang.", "von"},   {12.2, "", "nach"},     {12.9, "Videoz\xE4hler", ""},
    {14.9, "Bilddatei", ""},
};

void PrintCaptions(Canvas& canvas, const PageFrame& f) {
    const PrintLayout& l = f.l;
    for (const Column& c : Columns) {
        if (!c.first.empty())
            canvas.textOut(l.x(f.xp, c.x), l.y(f.y0, -1.5), c.first);
        if (!c.second.empty())
            canvas.textOut(l.x(f.xp, c.x), l.y(f.y0, -1.1), c.second);
    }
    Line(canvas, l.x(f.xp, 1.2), l.y(f.y0, -0.7), l.GraphicRect.right, l.y(f.y0, -0.7));
}

void PrintRowTexts(Canvas& canvas, const PageFrame& f, const ZustandEntry& z, int y) {
    const PrintLayout& l = f.l;
    const auto at = [&](double units, std::string_view text) { canvas.textOut(l.x(f.xp, units), y, text); };
    at(1.2, FormatStation(z.station));
    at(2.1, z.kuerzel.view());
    at(2.9, z.textzusatz.view());
    at(3.4, z.langtext.view());
    if (!OmitsQuantities(z)) {
        at(8.7, z.quant1.view());
        at(9.7, z.quant2.view());
        at(10.7, z.rissbreite.view());
        at(11.7, z.posVon.view());
        at(12.2, z.posBis.view());
    }
    at(12.9, z.videozaehler.view());
    at(14.9, z.bilddatei.view());
}

void PrintObservations(Canvas& canvas, const PageFrame& f, const HaltungRecord& record) {
    const PrintLayout& l = f.l;
    const std::span<const ZustandEntry> zustaende = Observations(record);
    const double halfUnit = 0.5 * l.PrintScaleX;
    const double leaderStart = f.xp + 0.4 * l.PrintScaleX;
    for (std::size_t i = 0; i < zustaende.size(); ++i) {
        const ZustandEntry& z = zustaende[i];
        const double p = l.MetreScale * z.station;
        const int lab = l.rowPositions[i];
        const bool stationIn = f.w.contains(p);
        const bool rowIn = f.w.contains(lab);
        const bool negative = z.station < 0.0;
        if (stationIn || negative) {
            Line(canvas, l.x(f.xp, -0.2), f.at(p), l.x(f.xp, 0.2), f.at(p));
            Line(canvas, l.x(f.xp, 0.3), f.at(p), l.x(f.xp, 0.4), f.at(p));
        }
        if ((stationIn && rowIn) || negative) {
            Line(canvas, l.x(f.xp, 0.4), f.at(p), l.x(f.xp, 0.9), f.at(lab));
        } else if (stationIn && lab >= f.w.hi) {
            // Cut where the full leader crosses the window's lower edge.
            const double t = (f.w.hi - p) * halfUnit / (lab - p);
            Line(canvas, l.x(f.xp, 0.4), f.at(p), SaturatingTrunc(leaderStart + t), f.bottom());
        } else if (p < f.w.lo && rowIn) {
            // Enters at the window's upper edge where the full leader crosses it.
            const double t = (f.w.lo - p) * halfUnit / (lab - p);
            Line(canvas, SaturatingTrunc(leaderStart + t), f.y0, l.x(f.xp, 0.9), f.at(lab));
        }
        if (rowIn || negative) {
            Line(canvas, l.x(f.xp, 0.9), f.at(lab), l.x(f.xp, 1.0), f.at(lab));
            PrintRowTexts(canvas, f, z, SaturatingTrunc(lab + f.y0 - f.w.lo - 0.15 * l.PrintScaleY));
        }
    }
}

} // namespace

PrintDate TodaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string FormatPrintDate(const PrintDate& date) {
    char text[40];
    std::snprintf(text, sizeof text, "%02i.%02i.%4i", date.day, date.month, date.year);
    return text;
}

void PrintPageCaption(Canvas& canvas, const PrintLayout& layout, const PrintRect& r) {
    canvas.setFont(Arial(9));
    canvas.textOut(layout.x(r.left, 0.5), layout.y(r.top, 0.5), "BRESK Ingenieure GmbH Berlin");
    Line(canvas, r.left, layout.y(r.top, 1.0), r.right, layout.y(r.top, 1.0));
}

void PrintHeaderTable(Canvas& canvas, const PrintLayout& layout, const PrintRect& r,
                      const HaltungRecord& record, std::string_view loadedFileName) {
    const CanvasPoint corners[] = {
        {r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}};
    canvas.polygon(corners, 4);

    canvas.setFont(Arial(10));
    Line(canvas, r.left, layout.y(r.top, 1.6), r.right, layout.y(r.top, 1.6));
    Line(canvas, layout.x(r.left, 8.5), layout.y(r.top, 1.6), layout.x(r.left, 8.5), layout.y(r.top, 3.7));
    Line(canvas, r.left, layout.y(r.top, 3.7), r.right, layout.y(r.top, 3.7));

    const auto cell = [&](double x, double y, std::string_view text) {
        canvas.textOut(layout.x(r.left, x), layout.y(r.top, y), text);
    };
    cell(0.5, 0.4, "Startschacht");
    cell(0.5, 0.9, "Endschacht");
    cell(3.5, 0.4, StartManhole(record));
    cell(3.5, 0.9, EndManhole(record));

    canvas.setFont(Arial(9));
    cell(0.5, 2.0, "Haltungsbez.");
    cell(3.5, 2.0, record.haltungsBez.view());
    cell(9.0, 2.0, "Profilart");
    cell(12.5, 2.0, record.profilart.view());
    cell(0.5, 2.4,
         "Stra\xDF"
         "enname");
    cell(3.5, 2.4, record.strassenname.view());
    cell(9.0, 2.4, "Profilh\xF6he/-breite");
    cell(12.5, 2.4, FormatProfile(record));
    cell(0.5, 2.8, "Unters.richt.");
    cell(3.5, 2.8,
         record.againstFlow() ? "gegen Flie\xDF"
                                "richt."
                              : "in Flie\xDF"
                                "richt.");
    cell(9.0, 2.8, "Material");
    cell(12.5, 2.8, record.material.view());
    cell(0.5, 3.2, "Videokassette");
    cell(3.5, 3.2, record.videokassette.view());
    cell(9.0, 3.2, "Unters.l\xE4nge");
    cell(12.5, 3.2, record.untLaengeText.view());
    cell(0.5, 4.0, "Dateiname");
    cell(3.5, 4.0, loadedFileName);
    cell(0.5, 4.4, "lfd.Nr. in Datei");
    cell(3.5, 4.4, record.lfdNr.view());
    cell(9.0, 4.4, "Unters.datum");
    cell(12.5, 4.4, record.untDatum.view());
}

void PrintPageFooter(Canvas& canvas, const PrintLayout& layout, const PrintRect& r, std::string_view title,
                     int pageNumber, int pageCount, const PrintDate& date) {
    Line(canvas, r.left, layout.y(r.bottom, -0.7), r.right, layout.y(r.bottom, -0.7));
    canvas.setFont(Arial(8));
    const int y = layout.y(r.bottom, -0.5);
    if (!title.empty())
        canvas.textOut(layout.x(r.left, 0.5), y, title);
    char pages[32];
    std::snprintf(pages, sizeof pages, "%i / %i", pageNumber, pageCount);
    canvas.textOut(layout.x(r.left, 8.0), y, pages);
    canvas.textOut(layout.x(r.right, -3.0), y, FormatPrintDate(date));
}

void PrintSectionPage(Canvas& canvas, const PrintLayout& layout, const HaltungRecord& record, int page) {
    const PageFrame f{layout, layout.pipeAxisX, layout.startLineY, layout.pageWindow(page)};
    canvas.setFont(Arial(9));
    canvas.setTextColour(Black);
    canvas.setPen(Black, 2);
    PrintPipe(canvas, f, record, page);
    canvas.setPen(Black, 1);
    canvas.setBrush(White);
    if (page == 0)
        PrintDirections(canvas, f, record);
    if (page == layout.PipePageCount - 1)
        canvas.textOut(layout.x(f.xp, -1.1),
                       SaturatingTrunc(f.y0 + layout.PipeSlice(page) + 0.6 * layout.PrintScaleY),
                       EndManhole(record));
    PrintBrackets(canvas, f, record);
    canvas.setFont(Arial(8));
    PrintCaptions(canvas, f);
    PrintObservations(canvas, f, record);
}
