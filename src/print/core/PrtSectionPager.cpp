#include "print/core/PrtSectionPager.h"

namespace rp::print {

SectionPager::SectionPager(PrintJob& job, std::function<void(PrintJob&)> opening)
    : job_(job), opening_(std::move(opening)) {}

void SectionPager::Begin(const std::function<void(PrintJob&)>& firstOpening) {
    PrintHead(job_);
    if (firstOpening) firstOpening(job_);
    rowsOnPage_ = false;
}

float SectionPager::Height(const std::vector<PrintCell>& cells, CellFit fit) const {
    return DryRunHeight(job_, [&](PrintJob& dry) { PrintRow(dry, cells, fit); });
}

bool SectionPager::Need(float height) {
    if (!rowsOnPage_ || job_.Surface.CurrentY + height <= RowsBottom(job_)) return false;
    Break();
    return true;
}

void SectionPager::Row(const std::vector<PrintCell>& cells, CellFit fit) {
    Need(Height(cells, fit));
    PrintRow(job_, cells, fit);
    rowsOnPage_ = true;
}

void SectionPager::Break() {
    PrintPage(job_);
    job_.Surface.NewPage();
    PrintHead(job_);
    if (opening_) opening_(job_);
    rowsOnPage_ = false;
}

void SectionPager::End() {
    PrintPage(job_);
    job_.Surface.NewPage();
}

}  // namespace rp::print
