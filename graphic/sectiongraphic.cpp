#include "graphic/sectiongraphic.h"

#include "graphic/canvas.h"
#include "record/haltungrecord.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Silver{192, 192, 192};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb DarkRed{128, 0, 0};
constexpr Rgb PipeFill{128, 128, 192};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Grey{128, 128, 128};

// The window's font, used for every text of the graphic.
const CanvasFont ScreenFont{"MS Sans Serif", 8.0, 11, false};

// Height of a text cell of the screen font, with room to spare.
constexpr int TextCellHeight = 15;

// Y(v) = trunc(Y0 + 5.0 * v).
int StationY(int y0, double station) noexcept {
    return SaturatingTrunc(y0 + StationScale * station);
}

void DrawHeader(const HaltungRecord& record, Canvas& canvas, const FrameBounds& f) {
    const int l = f.left, t = f.top;
    canvas.setBrush(Silver);
    canvas.fillRect(l + 5, t + 5, l + f.width - 5, t + 80);
    canvas.setPen(Black, 1);
    canvas.moveTo(l + 5, t + 5);
    canvas.lineTo(l + f.width - 5, t + 5);
    canvas.lineTo(l + f.width - 5, t + 80);
    canvas.lineTo(l + 5, t + 80);
    canvas.lineTo(l + 5, t + 5);

    canvas.setFont(ScreenFont);
    struct Cell {
        int x, y;
        Rgb colour;
        std::string_view text;
    };
    const std::string profile = FormatProfile(record);
    const Cell cells[] = {
        {50, 15, Black, "Startschacht"},
        {130, 15, Green, StartManhole(record)},
        {310, 15, Black, "Unters.l\xE4nge."},
        {410, 15, DarkRed, record.untLaengeText.view()},
        {610, 15, Black, "Videokass."},
        {680, 15, DarkRed, record.videokassette.view()},
        {50, 30, Black, "Endschacht"},
        {130, 30, Green, EndManhole(record)},
        {310, 30, Black, "Profilart"},
        {410, 30, DarkRed, record.profilart.view()},
        {610, 30, Black, "lfd.Nr."},
        {680, 30, DarkRed, record.lfdNr.view()},
        {50, 45, Black, "Haltungsbez."},
        {130, 45, DarkRed, record.haltungsBez.view()},
        {310, 45, Black, "Profilh\xF6he/-breite"},
        {410, 45, DarkRed, profile},
        {610, 45, Black, "Unt.datum"},
        {680, 45, DarkRed, record.untDatum.view()},
        {50, 60, Black,
         "Stra\xDF"
         "enname"},
        {130, 60, DarkRed, record.strassenname.view()},
        {310, 60, Black, "Material"},
        {410, 60, DarkRed, record.material.view()},
    };
    for (const Cell& cell : cells) {
        canvas.setTextColour(cell.colour);
        canvas.textOut(l + cell.x, t + cell.y, cell.text);
    }
}

void DrawPipe(const HaltungRecord& record, Canvas& canvas, int x0, int y0, int yEnd) {
    canvas.setBrush(PipeFill);
    canvas.fillRect(x0 - 3, y0 - 10, x0 + 3, SaturatingAdd(yEnd, 10));
    canvas.setPen(Black, 1);
    Line(canvas, x0 - 2, y0 - 10, x0 - 2, SaturatingAdd(yEnd, 10));
    Line(canvas, x0 + 2, y0 - 10, x0 + 2, SaturatingAdd(yEnd, 10));
    canvas.ellipse(x0 - 10, y0 - 20, x0 + 10, y0);
    if (record.inspektionAbgebrochen == 0)
        canvas.ellipse(x0 - 10, yEnd, x0 + 10, SaturatingAdd(yEnd, 20));
}

void DrawDirections(const HaltungRecord& record, Canvas& canvas, int x0, int y0, int yEnd) {
    canvas.setPen(Black, 1);
    Triangle(canvas, {x0 - 50, y0 - 40}, {x0 - 40, y0 - 40}, {x0 - 45, y0 - 30});
    canvas.setBrush(White);
    canvas.setTextColour(Black);
    canvas.textOut(x0 - 52, y0 - 53, "UR");

    const int nameBelowEnd = SaturatingAdd(yEnd, 25);
    if (record.againstFlow()) {
        canvas.setTextColour(DarkRed);
        canvas.textOut(x0 - 35, y0 - 35, record.eSchacht.view());
        canvas.textOut(x0 - 35, nameBelowEnd, record.aSchacht.view());
        canvas.setPen(Blue, 1);
        Triangle(canvas, {x0 - 50, y0 - 15}, {x0 - 40, y0 - 15}, {x0 - 45, y0 - 25});
        canvas.setTextColour(Blue);
        canvas.textOut(x0 - 51, y0 - 14, "FR");
    } else {
        canvas.setTextColour(DarkRed);
        canvas.textOut(x0 - 30, y0 - 35, record.aSchacht.view());
        canvas.textOut(x0 - 30, nameBelowEnd, record.eSchacht.view());
        canvas.setTextColour(Blue);
        canvas.textOut(x0 - 51, y0 - 28, "FR");
        canvas.setPen(Blue, 1);
        Triangle(canvas, {x0 - 50, y0 - 15}, {x0 - 40, y0 - 15}, {x0 - 45, y0 - 5});
    }
    canvas.setTextColour(Black);
}

void DrawBrackets(const HaltungRecord& record, Canvas& canvas, int x0, int y0) {
    canvas.setPen(Blue, 1);
    int d = 44;
    for (const StreckenPair& pair : record.strecken) {
        if (pair.anfang == StreckeUnset || pair.ende == StreckeUnset)
            break;
        const int yBegin = StationY(y0, pair.anfang);
        canvas.moveTo(x0 - 20, yBegin);
        canvas.lineTo(x0 - d, yBegin);
        if (pair.ende >= pair.anfang) {
            const int yEnd = StationY(y0, pair.ende);
            canvas.lineTo(x0 - d, yEnd);
            canvas.lineTo(x0 - 20, yEnd);
        }
        d -= 2;
    }
}

void DrawCaptions(Canvas& canvas, int x0, int y0) {
    canvas.setBrush(White);
    canvas.setTextColour(Black);
    struct Caption {
        int x;
        std::string_view first, second;
    };
    static constexpr Caption captions[] = {
        {50, "Entf.", "[m]"},        {80, "K\xFCrzel", ""}, {130, "Langtext", ""},
        {320, "Textzusatz", "M143"}, {380, "", "A149"},     {440, "Rissbr.", "[mm]"},
        {480, "Pos.ang.", "von"},    {500, "", "nach"},     {540, "Videoz\xE4hler", ""},
        {610, "Bilddatei", ""},
    };
    for (const Caption& c : captions) {
        if (!c.first.empty())
            canvas.textOut(x0 + c.x, y0 - 50, c.first);
        if (!c.second.empty())
            canvas.textOut(x0 + c.x, y0 - 35, c.second);
    }
    canvas.setPen(Grey, 1);
    Line(canvas, x0 + 50, y0 - 18, x0 + 680, y0 - 18);
}

void DrawRowTexts(const ZustandEntry& z, Canvas& canvas, int x0, int y) {
    canvas.textOut(x0 + 47, y, FormatStation(z.station));
    canvas.textOut(x0 + 80, y, z.kuerzel.view());
    canvas.textOut(x0 + 110, y, z.textzusatz.view());
    canvas.textOut(x0 + 130, y, z.langtext.view());
    if (!OmitsQuantities(z)) {
        canvas.textOut(x0 + 320, y, z.quant1.view());
        canvas.textOut(x0 + 380, y, z.quant2.view());
        canvas.textOut(x0 + 440, y, z.rissbreite.view());
        canvas.textOut(x0 + 480, y, z.posVon.view());
        canvas.textOut(x0 + 500, y, z.posBis.view());
    }
    canvas.textOut(x0 + 540, y, z.videozaehler.view());
    canvas.textOut(x0 + 610, y, z.bilddatei.view());
}

void DrawRows(const HaltungRecord& record, Canvas& canvas, int x0, int y0, const SectionGraphicView& view) {
    canvas.setPen(Black, 1);
    // Room above and below a line that a text cell may take.
    constexpr int Margin = 20;
    const auto visible = [&](int top, int bottom) {
        return bottom >= view.clipTop - Margin && top <= view.clipBottom + Margin;
    };
    int r = y0 - 15;
    for (const ZustandEntry& z : Observations(record)) {
        r = NextScreenRowLine(r, z.station, y0);
        const int ys = StationY(y0, z.station);
        if (visible(ys, ys)) {
            Line(canvas, x0 - 10, ys, x0 + 10, ys);
            Line(canvas, x0 + 15, ys, x0 + 20, ys);
        }
        if (visible(std::min(ys, r), std::max(ys, r)))
            Line(canvas, x0 + 20, ys, x0 + 40, r);
        if (visible(r, r)) {
            Line(canvas, x0 + 40, r, x0 + 45, r);
            DrawRowTexts(z, canvas, x0, r - 6);
        }
    }
}

} // namespace

FrameBounds SectionGraphicFrame(const HaltungRecord& record, int windowWidth, int frameTop) noexcept {
    FrameBounds f;
    f.left = 10;
    f.top = frameTop;
    f.width = std::max(0, SaturatingAdd(windowWidth, -40));
    const double pipeHeight = StationScale * record.untLaenge;
    const int height = record.lastLabelPos >= pipeHeight ? SaturatingAdd(record.lastLabelPos, 180)
                                                         : SaturatingTrunc(pipeHeight + 120.0);
    f.height = std::max(0, height);
    return f;
}

int SectionGraphicBottom(const HaltungRecord& record, const SectionGraphicView& view) noexcept {
    const FrameBounds f = SectionGraphicFrame(record, view.windowWidth, view.frameTop);
    const int y0 = view.frameTop + 150;
    const int yEnd = SaturatingTrunc(y0 + StationScale * (record.untLaenge - 1.0));
    int bottom = std::max(SaturatingAdd(f.top, f.height), SaturatingAdd(yEnd, 25 + TextCellHeight));
    int r = y0 - 15;
    for (const ZustandEntry& z : Observations(record))
        r = NextScreenRowLine(r, z.station, y0);
    if (!Observations(record).empty())
        bottom = std::max(bottom, SaturatingAdd(r, TextCellHeight - 6));
    return bottom;
}

int NextScreenRowLine(int rowLine, double station, int stationZeroY) noexcept {
    if (rowLine + 15.0 > stationZeroY + StationScale * station)
        return SaturatingAdd(rowLine, 15);
    return StationY(stationZeroY, station);
}

FrameBounds DrawSectionGraphic(const HaltungRecord& record, Canvas& canvas, const SectionGraphicView& view) {
    const FrameBounds f = SectionGraphicFrame(record, view.windowWidth, view.frameTop);
    const int l = f.left, t = f.top;
    canvas.setBrush(White);
    canvas.fillRect(l + 1, t + 1, SaturatingAdd(l + f.width, -1), SaturatingAdd(t, f.height - 1LL));

    DrawHeader(record, canvas, f);

    const int x0 = l + 60;
    const int y0 = t + 150;
    const int yEnd = SaturatingTrunc(y0 + StationScale * (record.untLaenge - 1.0));
    DrawPipe(record, canvas, x0, y0, yEnd);
    DrawDirections(record, canvas, x0, y0, yEnd);
    DrawBrackets(record, canvas, x0, y0);
    DrawCaptions(canvas, x0, y0);
    DrawRows(record, canvas, x0, y0, view);
    return f;
}
