#include "core/grading/class_report.h"

#include <algorithm>
#include <cmath>

#include "core/files/file_replace.h"

namespace zan {

namespace {

std::string Verdict(const StudentGrade& grade) { return grade.pass ? "pass" : "fail"; }

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
    case RunStatus::Finished: return "ran to its end";
    case RunStatus::Alarm: return "stopped by an alarm";
    case RunStatus::TurnLimit:
    case RunStatus::WorkLimit: return "did not end (hangs)";
    case RunStatus::Unreadable: break;
    }
    return "not run: unreadable";
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
    "img{display:block}"
    ".note{color:#333;max-width:60em}";

std::string Row(const StudentGrade& g)
{
    std::string row = "<tr><td>" + HtmlEscaped(g.student) + "</td><td>" + HtmlEscaped(StatusText(g));
    if (!g.detail.empty()) row += "<br><small>" + HtmlEscaped(g.detail) + "</small>";
    row += "</td><td class=\"num\">" + LargestDeviation(g) + "</td><td class=\"num\">" + LargestAt(g) + "</td>";
    row += "<td class=\"" + Verdict(g) + "\">" + Verdict(g) + "</td><td>";
    if (!g.png.empty())
        row += "<img alt=\"the part of " + HtmlEscaped(g.student) + " against the reference\" width=\"" +
               std::to_string(g.pictureWidth) + "\" height=\"" + std::to_string(g.pictureHeight) +
               "\" src=\"data:image/png;base64," + Base64(g.png) + "\">";
    return row + "</td></tr>\n";
}

std::string Summary(const ClassReport& report)
{
    const auto passed = std::count_if(report.grades.begin(), report.grades.end(), [](auto& g) { return g.pass; });
    const std::size_t students = report.grades.size();
    return "<p>Reference: <b>" + HtmlEscaped(report.reference) + "</b> (" +
           (report.imageReference ? "a workpiece image" : "a program run on a fresh machine") +
           "); tolerance " + Millimetres(report.tolerance) + " mm of diameter; " + std::to_string(students) +
           (students == 1 ? " student: " : " students: ") + std::to_string(passed) + " pass, " +
           std::to_string(students - passed) + " fail.</p>\n";
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
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Grades of " +
                       HtmlEscaped(report.classFolder) + "</title>\n<style>" + std::string(kStyle) +
                       "</style>\n</head>\n<body>\n<h1>Grades of " + HtmlEscaped(report.classFolder) + "</h1>\n";
    html += Summary(report);
    if (report.imageReference)
        html += "<p class=\"note\">A workpiece image keeps whole millimetres of radius: the parts were compared so,"
                " in steps of 2 mm of diameter.</p>\n";
    html += "<p class=\"note\">Each picture shows the upper half of the turned part as the lathe view draws it, "
            "two pixels to the millimetre. The green line is the reference; red marks the columns outside the "
            "tolerance, between the two surfaces and under the axis. Z in mm.</p>\n";
    html += "<table>\n<thead><tr><th>Student</th><th>Status</th><th>Largest deviation<br>(mm of diameter)</th>"
            "<th>At Z (mm)</th><th>Verdict</th><th>Part</th></tr></thead>\n<tbody>\n";
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
