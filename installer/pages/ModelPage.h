#pragma once
// Page 1: the printer type and model, and whether the new printer becomes the default
// printer. The lists are filled once from the package's model catalogue.
#include <span>
#include <string>

#include "installer/config/ModelCatalogue.h"
#include "ui/Dialog.h"

class ModelPage : public ui::Dialog {
public:
    static constexpr int kTemplate = 131;
    static constexpr int kGroup = 1094;
    static constexpr int kDefault = 1046;
    static constexpr int kRadioIds[4] = {1019, 1020, 1021, 1073};  // by printer type
    static constexpr int kListIds[4] = {1030, 1031, 1032, 1074};
    static constexpr std::size_t kModelNameLimit = 199;

    ModelPage() : ui::Dialog(kTemplate) {}

    std::string modelName;
    int chinese = 0;
    ModelCatalogue catalogue;
    int printerType = 0;
    int setDefault = 0;
    int modelsAvailable = 0;

    bool OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(ui::DataExchange& dx) override;
    std::span<const ui::CommandEntry> CommandMap() const override;

    void OnReceipt() { ActivateType(kTypeReceipt); }
    void OnTicket() { ActivateType(kTypeTicket); }
    void OnLabel() { ActivateType(kTypeLabel); }
    void OnEmbedded() { ActivateType(kTypeEmbedded); }
    void OnReceiptList() { CopySelection(kTypeReceipt); }
    void OnTicketList() { CopySelection(kTypeTicket); }
    void OnLabelList() { CopySelection(kTypeLabel); }
    void OnEmbeddedList() { CopySelection(kTypeEmbedded); }

private:
    void ActivateType(int type);
    // modelName from the list's selection, cleared when it has none.
    void CopySelection(int type);

    ui::ComboBox lists_[4];  // by printer type
};
