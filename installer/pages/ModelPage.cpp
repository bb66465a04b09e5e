#include "installer/pages/ModelPage.h"

#include "installer/app/LangText.h"
#include "installer/pages/PageFont.h"

void ModelPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(kListIds[kTypeEmbedded], lists_[kTypeEmbedded]);
    dx.Control(kListIds[kTypeReceipt], lists_[kTypeReceipt]);
    dx.Control(kListIds[kTypeTicket], lists_[kTypeTicket]);
    dx.Control(kListIds[kTypeLabel], lists_[kTypeLabel]);
    dx.Check(kDefault, setDefault);
}

bool ModelPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    int count = catalogue.GetCatalogueCount();
    modelsAvailable = 1;
    std::string name;
    for (int i = 1; i <= count; ++i) {
        int type = catalogue.GetCatalogueEntry(i, name);
        if (type >= kTypeReceipt && type <= kTypeEmbedded) lists_[type].AddString(name);
    }
    for (ui::ComboBox& list : lists_) {
        list.SetCurSel(0);
        list.Enable(false);
    }
    bool anyModel = false;
    for (int type = 0; type < 4; ++type) {
        if (lists_[type].Count() > 0) {
            anyModel = true;
            continue;
        }
        EnableItem(kRadioIds[type], false);
        lists_[type].Enable(false);
    }
    if (!anyModel) modelsAvailable = 0;

    int type = catalogue.GetDefaultEntry(name);
    if (type >= kTypeReceipt && type <= kTypeEmbedded) {
        CheckRadioButton(kRadioIds[kTypeReceipt], kRadioIds[kTypeEmbedded], kRadioIds[type]);
        ui::ComboBox& list = lists_[type];
        // The search starts after item 0, so item 0 is examined last.
        list.SetCurSel(list.FindString(0, name));
        std::string selected;
        if (list.ItemText(list.CurSel(), selected) != ui::kComboError) modelName = selected.substr(0, kModelNameLimit);
        list.Enable(true);
    }
    printerType = type;
    ApplyChineseFont(*this, chinese);
    return true;
}

void ModelPage::CopySelection(int type) {
    std::string selected;
    if (lists_[type].ItemText(lists_[type].CurSel(), selected) == ui::kComboError) modelName.clear();
    else modelName = selected.substr(0, kModelNameLimit);
}

void ModelPage::ActivateType(int type) {
    for (ui::ComboBox& list : lists_) list.Enable(false);
    CopySelection(type);
    lists_[type].Enable(true);
    printerType = type;
}

void ModelPage::OnShowWindow(bool) {
    LangText series("Series");
    SetItemText(kGroup, series.Read("Select"));
    SetItemText(kRadioIds[kTypeReceipt], series.Read("Receipt"));
    SetItemText(kRadioIds[kTypeTicket], series.Read("Ticket"));
    SetItemText(kRadioIds[kTypeLabel], series.Read("Label"));
    SetItemText(kRadioIds[kTypeEmbedded], series.Read("Embedded"));
    SetItemText(kDefault, series.Read("Default"));
}

std::span<const ui::CommandEntry> ModelPage::CommandMap() const {
    static const ui::CommandEntry map[] = {
        ui::OnCommand(1019, ui::Notify::Clicked, &ModelPage::OnReceipt),
        ui::OnCommand(1020, ui::Notify::Clicked, &ModelPage::OnTicket),
        ui::OnCommand(1021, ui::Notify::Clicked, &ModelPage::OnLabel),
        ui::OnCommand(1073, ui::Notify::Clicked, &ModelPage::OnEmbedded),
        ui::OnCommand(1030, ui::Notify::SelChange, &ModelPage::OnReceiptList),
        ui::OnCommand(1031, ui::Notify::SelChange, &ModelPage::OnTicketList),
        ui::OnCommand(1032, ui::Notify::SelChange, &ModelPage::OnLabelList),
        ui::OnCommand(1074, ui::Notify::SelChange, &ModelPage::OnEmbeddedList),
    };
    return map;
}
