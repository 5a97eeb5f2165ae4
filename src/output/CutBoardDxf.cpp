// SPDX-License-Identifier: GPL-3.0-or-later
// The DXF board of a cut set, made in memory: dxflib's writer knows only a named file, and a
// file in the temporary folder can be cut short without a word when that folder fills up. The
// writer here keeps every group in a byte array instead, which the caller then writes as a
// whole and checks.

#include "CutFiles.h"


#include <dxflib/dl_dxf.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace zindle {

namespace {

constexpr double MillimetresPerInch = 25.4;
// A label's font size is its height; a DXF text height is the height of capitals, about
// seven tenths of the font size.
constexpr double DxfCapitalsPerFontSize = 0.7;

// dxflib's ASCII writer with every group kept in memory. The file it would have opened is
// never named, so nothing reaches the disk; the library writes through these four groups only.
class MemoryDxfWriter : public DL_WriterA {
public:
    explicit MemoryDxfWriter(DL_Codes::version version) : DL_WriterA("", version) {}

    void dxfReal(int gc, double value) const override
    {
        // The shortest text that reads back as the same value, in the C locale's form whatever
        // the user's locale, with the decimal point DXF readers expect.
        char text[400];
        const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
        std::string written = end.ec == std::errc() ? std::string(text, end.ptr) : std::string("0.0");
        if (written.find('.') == std::string::npos)
            written += ".0";
        dxfString(gc, written);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override
    {
        char text[16];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
        dxfString(gc, text);
    }
    void dxfString(int gc, const char *value) const override
    {
        // Group codes right-aligned in three columns, as every DXF writer lays them out.
        char code[16];
        std::snprintf(code, sizeof code, "%3d\n", gc);
        bytes_ += code;
        bytes_ += value;
        bytes_ += '\n';
    }
    void dxfString(int gc, const std::string &value) const override { dxfString(gc, value.c_str()); }

    const QByteArray &bytes() const { return bytes_; }

private:
    mutable QByteArray bytes_;
};

// DXF 2000 text is 8-bit; every other character is written as its \U+XXXX escape.
std::string dxfText(const QString &text)
{
    std::string result;
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f)
            result += static_cast<char>(c);
        else if (c >= 0x20 && c <= 0xffff)
            result += QStringLiteral("\\U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper().toStdString();
        else
            result += '?';
    }
    return result;
}

} // namespace

QByteArray CutBoardDxf(const CutBoard &board, const BoardSize &size, const QByteArray &setMark, const CutProfile &profile)
{
    const double f = size.metric ? MillimetresPerInch : 1.0;
    const double boardHeight = size.heightIn * f;
    // The file's y axis points up; the board's top left corner stays at (0, height).
    const auto x = [f](QPointF p) { return p.x() * f; };
    const auto y = [f, boardHeight](QPointF p) { return boardHeight - p.y() * f; };
    {
        DL_Dxf dxf;
        MemoryDxfWriter writer(DL_Codes::AC1015);
        DL_WriterA *const dw = &writer;
        // A comment readers skip; it tells this program's boards from any other DXF.
        dw->dxfString(999, setMark.constData());
        dxf.writeHeader(*dw);
        dw->dxfString(9, "$INSUNITS");
        dw->dxfInt(70, size.metric ? 4 : 1);
        dw->dxfString(9, "$MEASUREMENT");
        dw->dxfInt(70, size.metric ? 1 : 0);
        dw->dxfString(9, "$EXTMIN");
        dw->dxfReal(10, 0.0);
        dw->dxfReal(20, 0.0);
        dw->dxfReal(30, 0.0);
        dw->dxfString(9, "$EXTMAX");
        dw->dxfReal(10, size.widthIn * f);
        dw->dxfReal(20, boardHeight);
        dw->dxfReal(30, 0.0);
        dw->sectionEnd();

        dw->sectionTables();
        dxf.writeVPort(*dw);
        dw->tableLinetypes(3);
        dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
        dw->tableEnd();
        dw->tableLayers(3);
        dxf.writeLayer(*dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
        dxf.writeLayer(*dw, DL_LayerData(CutLayerName, 0),
                       DL_Attributes("", DxfColourIndex(profile.cutColour), 0, "CONTINUOUS", 1.0));
        dxf.writeLayer(*dw, DL_LayerData(EngraveLayerName, 0),
                       DL_Attributes("", DxfColourIndex(profile.engraveColour), 0, "CONTINUOUS", 1.0));
        dw->tableEnd();
        dw->tableStyle(1);
        dxf.writeStyle(*dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 0.2, "txt", ""));
        dw->tableEnd();
        dxf.writeView(*dw);
        dxf.writeUcs(*dw);
        dw->tableAppid(1);
        dxf.writeAppid(*dw, "ACAD");
        dw->tableEnd();
        dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
        dxf.writeBlockRecord(*dw);
        dw->tableEnd();
        dw->sectionEnd();

        dw->sectionBlocks();
        dxf.writeBlock(*dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Model_Space");
        dxf.writeBlock(*dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Paper_Space");
        dxf.writeBlock(*dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, "*Paper_Space0");
        dw->sectionEnd();

        dw->sectionEntities();
        const DL_Attributes cut(CutLayerName, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
        const DL_Attributes engrave(EngraveLayerName, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
        for (const CutPath &path : CuttingOrder(board)) {
            if (path.contour) {
                dxf.writePolyline(*dw, DL_PolylineData(static_cast<int>(path.contour->size()), 0, 0, 1), cut);
                for (const QPointF &p : *path.contour)
                    dxf.writeVertex(*dw, DL_VertexData(x(p), y(p), 0.0, 0.0));
                dxf.writePolylineEnd(*dw);
            } else {
                const CutCircle &c = *path.circle;
                dxf.writeCircle(*dw, DL_CircleData(x(c.centre), y(c.centre), 0.0, c.radius * f), cut);
            }
        }
        for (const CutPart &part : board.parts) {
            const QPointF at = part.labelAt;
            const double height = part.labelHeight * f * DxfCapitalsPerFontSize;
            // Turned clockwise on the board is turned the other way in a y-up frame.
            const double angle = -part.labelAngle * M_PI / 180.0;
            dxf.writeText(*dw, DL_TextData(x(at), y(at), 0.0, x(at), y(at), 0.0, height, 1.0, 0, 0, 0,
                                           dxfText(part.label), "Standard", angle),
                          engrave);
        }
        dw->sectionEnd();
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
        return writer.bytes();
    }
}


} // namespace zindle
