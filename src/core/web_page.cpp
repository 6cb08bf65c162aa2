#include "core/web_page.h"

#include <QByteArrayList>

namespace {

// The lines before the board.
constexpr const char* PageHead[] = {
    "<html>",
    "<head>",
    "<title>Sudoku Puzzel</title>",
    "<meta name=\"author\" content=\"Sudoku - puzzel uit het spel\">",
    "<meta name=\"generator\" content=\"Created by Pelko Brenvik\">",
    "<SCRIPT language=Javascript>",
    "<!--",
    "  function isNumberKey(evt)",
    "  {",
    "    var charCode = (evt.which) ? evt.which : event.keyCode",
    "    if (charCode > 31 && (charCode < 49 || charCode > 57))",
    "      return false;",
    "    return true;",
    "  }",
    "//-->",
    "</SCRIPT>",
    "<style>",
    "input.bestaand {margin : 0px 0px 0px 0px;padding : 3px 3px 3px 3px;background-color: "
    "#EEEEEE;font-family: arial;font-weight: bold;color: #000000;font-size: 18pt;text-align: "
    "center;border: 0px none;width: 28pt;}",
    "input.invoer {margin : 0px 0px 0px 0px;padding : 3px 3px 3px 3px;background-color: "
    "#FFFFFF;font-family: arial;font-weight: bold;color: #AA0000;font-size: 18pt;text-align: "
    "center;border: 0px none;width: 28pt;}",
    "input.knop {border-style: solid;border-width: 1px;border-color: #000000;background-color: "
    "#55FF45;font-family: arial;font-size: 13px;color: #000088;width: 70pt;}",
    "span.tekst {color:#000000;font-size:13px;font-family: arial;}",
    "</style>",
    "</head>",
    "<body bgcolor=\"#EEFFFF\" topmargin=\"10\" leftmargin=\"10\">",
    "",
    "<FORM ACTION=\"Sudoku.asp\" NAME=\"sudoku\" METHOD=\"POST\">",
    "<table border=\"1\" bordercolor=\"#999999\" cellpadding=\"0\"  cellspacing=\"0\" "
    "bgcolor=\"#999999\">",
};

// The lines after the board.
constexpr const char* PageTail[] = {
    "</table>",
    "<P>",
    "<input class=knop TYPE=\"submit\" VALUE=\"Verzenden\">",
    "</FORM>",
    "<P>",
    "<span class=tekst>",
    "Vul de ontbrekende getallen in en druk op de button <b>Verzenden</b>.<br>",
    "Gebruik deze pagina (broncode) als voorbeeld voor uw eigen website.",
    "</span>",
    "</body>",
    "</html>",
};

// A narrow grey column and a thin grey row set the 3 x 3 blocks apart.
constexpr const char* BlockColumn = "  <td width=\"2\" bgcolor=\"#999999\"></td>";
constexpr const char* BlockRow =
    "<tr><td height=\"3\" colspan=\"11\" bgcolor=\"#999999\"></td></tr>";

QByteArray CellLine(int n, int digit) {
    const QByteArray name = QByteArray::number(n);
    if (digit != 0) {
        return "  <td bgcolor=\"#EEEEEE\"><input class=bestaand TYPE=\"text\" NAME=\"Vak" + name +
               "\" SIZE=\"1\" maxlength=\"1\" value=" + QByteArray::number(digit) +
               " readonly></td>";
    }
    return "  <td bgcolor=\"#FFFFFF\"><input class=invoer TYPE=\"text\" NAME=\"Vak" + name +
           "\" SIZE=\"1\" maxlength=\"1\" onkeypress=\"return isNumberKey(event)\"></td>";
}

}  // namespace

QByteArray WebPage(const Grid& board) {
    QByteArrayList lines;
    lines.reserve(WebPageLineCount);
    for (const char* line : PageHead) {
        lines << line;
    }
    int n = 0;
    for (int r = 1; r <= 9; ++r) {
        lines << "<tr>";
        for (int c = 1; c <= 9; ++c) {
            lines << CellLine(++n, board(c, r));
            if (c == 3 || c == 6) {
                lines << BlockColumn;
            }
        }
        lines << "</tr>";
        if (r == 3 || r == 6) {
            lines << BlockRow;
        }
    }
    for (const char* line : PageTail) {
        lines << line;
    }
    Q_ASSERT(lines.size() == WebPageLineCount);
    QByteArray page;
    for (const QByteArray& line : lines) {
        page += line;
        page += "\r\n";
    }
    return page;
}
