// --html: the page of up to kMaxPageMachines machines, built once all are read.
#include "vornak-report/html_page.h"
#include "vornak-report/report_output.h"

namespace vornak {

namespace {

class HtmlOutput : public ReportOutput {
 public:
  explicit HtmlOutput(Language lang) : lang_(lang) {}
  std::string Add(const MachineView& m) override {
    html::PageMachine& pm = machines_.emplace_back();
    pm.source = m.source;
    pm.report = m.report;
    pm.facts = m.facts;
    return {};
  }
  std::string End() override { return html::BuildPage(machines_, nullptr, lang_); }

 private:
  Language lang_;
  std::vector<html::PageMachine> machines_;
};

}  // namespace

std::unique_ptr<ReportOutput> MakeHtmlOutput(Language lang) { return std::make_unique<HtmlOutput>(lang); }

}  // namespace vornak
