#include "core/grading/class_report.h"

#include <algorithm>
#include <cmath>

#include "core/files/file_replace.h"

namespace zan {

namespace {

std::string Verdict(const StudentGrade& grade) { return grade.pass ? "pass" : "fail"; }

// The page speaks the trainer's language; grades.csv keeps the words above
// for spreadsheets and scripts.
std::string VerdictText(const StudentGrade& grade) { return grade.pass ? "合格" : "不合格"; }

std::string LargestDeviation(const StudentGrade& grade)
{
    return grade.comparison ? Millimetres(std::fabs(grade.comparison->largest)) : std::string();
}

std::string LargestAt(const StudentGrade& grade)
{
    const auto& c = grade.comparison;
    return c && c->largestColumn >= 0 ? Millimetres(c->Z(c->largestColumn)) : std::string();
}

// How the run ended, in words for the page.
std::string StatusText(const StudentGrade& grade)
{
    switch (grade.status) {
    case RunStatus::Finished: return "运行结束";
    case RunStatus::Alarm: return "报警停止";
    case RunStatus::TurnLimit:
    case RunStatus::WorkLimit: return "未结束（死循环）";
    case RunStatus::Unreadable: break;
    }
    return "未运行：无法读取";
}

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:16px;color:#111;background:#fff}"
    "table{border-collapse:collapse}"
    "th,td{border:1px solid #888;padding:4px 8px;text-align:left;vertical-align:middle}"
    "th{background:#d4dced}"
    "td.num{text-align:right;font-variant-numeric:tabular-nums}"
    "td.pass{background:#bfe8bf;font-weight:bold}"
    "td.fail{background:#f4bcbc;font-weight:bold}"
    "small{color:#444}"
    "img{display:block;max-width:100%;height:auto}"
    "td.part{padding:2px 8px 10px}"
    ".note{color:#333;max-width:60em}";

// A student's row, then the part's picture in a row of its own under it, as
// wide as the table: the table stays narrow enough for a 1280-pixel window.
std::string Row(const StudentGrade& g)
{
    std::string row = "<tr><td>" + HtmlEscaped(g.student) + "</td><td>" + HtmlEscaped(StatusText(g));
    if (!g.detail.empty()) row += "<br><small>" + HtmlEscaped(g.detail) + "</small>";
    row += "</td><td class=\"num\">" + LargestDeviation(g) + "</td><td class=\"num\">" + LargestAt(g) + "</td>";
    row += "<td class=\"" + Verdict(g) + "\">" + VerdictText(g) + "</td></tr>\n";
    if (!g.png.empty())
        row += "<tr><td class=\"part\" colspan=\"5\"><img alt=\"" + HtmlEscaped(g.student) + " 的零件与参考零件\" width=\"" +
               std::to_string(g.pictureWidth) + "\" height=\"" + std::to_string(g.pictureHeight) +
               "\" src=\"data:image/png;base64," + Base64(g.png) + "\"></td></tr>\n";
    return row;
}

std::string Summary(const ClassReport& report)
{
    const auto passed = std::count_if(report.grades.begin(), report.grades.end(), [](auto& g) { return g.pass; });
    const std::size_t students = report.grades.size();
    return "<p>参考零件：<b>" + HtmlEscaped(report.reference) + "</b>（" +
           (report.imageReference ? "工件图像" : "在新机床上运行的程序") + "）；公差：直径 " +
           Millimetres(report.tolerance) + " mm；学生 " + std::to_string(students) + " 名：合格 " +
           std::to_string(passed) + " 名，不合格 " + std::to_string(students - passed) + " 名。</p>\n";
}

}  // namespace

std::string CsvQuoted(std::string_view text)
{
    std::string field = "\"";
    for (const char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
    return field + "\"";
}

std::string CsvField(std::string_view text)
{
    return text.find_first_of(",\"\r\n") == std::string_view::npos ? std::string(text) : CsvQuoted(text);
}

std::string NoFormula(std::string_view text)
{
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    return (formula ? "'" : "") + std::string(text);
}

std::string GradesCsv(const std::vector<StudentGrade>& grades)
{
    std::string csv = "student,status,max_deviation_mm,at_z_mm,verdict,picture,detail\n";
    for (std::size_t i = 0; i < grades.size(); ++i) {
        const StudentGrade& g = grades[i];
        const std::string picture = g.png.empty() ? std::string() : PictureFileName(i, grades.size());
        csv += CsvField(NoFormula(g.student)) + "," + std::string(StatusName(g.status)) + "," + LargestDeviation(g) +
               "," + LargestAt(g) + "," + Verdict(g) + "," + picture + "," + CsvQuoted(NoFormula(g.detail)) + "\n";
    }
    return csv;
}

std::string HtmlEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Base64(std::string_view bytes)
{
    constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (std::size_t j = 0; j < 3; ++j) v = (v << 8) | (j < n ? static_cast<unsigned char>(bytes[i + j]) : 0u);
        for (std::size_t j = 0; j < 4; ++j) out += j <= n ? kDigits[(v >> (18 - 6 * j)) & 0x3Fu] : '=';
    }
    return out;
}

std::string ReportHtml(const ClassReport& report)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width\">\n<title>" +
                       HtmlEscaped(report.classFolder) + " 成绩</title>\n<style>" + std::string(kStyle) +
                       "</style>\n</head>\n<body>\n<h1>" + HtmlEscaped(report.classFolder) + " 成绩</h1>\n";
    html += Summary(report);
    if (report.imageReference)
        html += "<p class=\"note\">工件图像只保存整毫米的半径：零件按同样方式比较，直径以 2 mm 为一档。</p>\n";
    html += "<p class=\"note\">每幅图是车削后零件的上半部分，画法与车床视图相同，每毫米两个像素。"
            "绿线是参考零件；红色标出超出公差的列（两表面之间及轴线下方）。Z 单位为 mm。</p>\n";
    html += "<table>\n<thead><tr><th>学生</th><th>状态</th><th>最大偏差<br>（直径 mm）</th>"
            "<th>位置 Z（mm）</th><th>结论</th></tr></thead>\n<tbody>\n";
    for (const StudentGrade& grade : report.grades) html += Row(grade);
    return html + "</tbody>\n</table>\n</body>\n</html>\n";
}

std::string PictureFileName(std::size_t row, std::size_t rows)
{
    const std::size_t digits = std::max<std::size_t>(3, std::to_string(rows).size());
    const std::string number = std::to_string(row + 1);
    return std::string(digits - std::min(digits, number.size()), '0') + number + ".png";
}

std::vector<std::string> WriteClassReport(const std::filesystem::path& dir, const ClassReport& report)
{
    std::vector<std::string> failed;
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    auto write = [&](const std::string& name, std::string_view bytes) {
        if (!ReplaceFile(dir / name, bytes)) failed.push_back((dir / name).string());
    };
    for (std::size_t i = 0; i < report.grades.size(); ++i)
        if (!report.grades[i].png.empty()) write(PictureFileName(i, report.grades.size()), report.grades[i].png);
    write("grades.csv", GradesCsv(report.grades));
    write("report.html", ReportHtml(report));
    return failed;
}

}  // namespace zan
