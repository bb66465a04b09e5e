#include "ui/BackEnd.h"
#include "ui/Dialog.h"

namespace ui {

void DataExchange::Control(int id, ui::Control& control) {
    order_.push_back(id);
    control.Attach(&dialog_, id);
}

void DataExchange::Check(int id, int& value) {
    order_.push_back(id);
    if (save_) value = dialog_.IsButtonChecked(id);
    else dialog_.CheckButton(id, value);
}

void DataExchange::Text(int id, std::string& value) {
    order_.push_back(id);
    if (save_) value = dialog_.ItemText(id);
    else dialog_.SetItemText(id, value);
}

void DataExchange::ComboIndex(int id, int& index) {
    order_.push_back(id);
    ComboBox combo = dialog_.Combo(id);
    if (save_) index = combo.CurSel();
    else combo.SetCurSel(index);
}

void DataExchange::Radio(int first, int last, int& index) {
    order_.push_back(first);
    if (save_) {
        index = -1;
        for (int id = first; id <= last; ++id) {
            if (dialog_.IsButtonChecked(id)) {
                index = id - first;
                break;
            }
        }
    } else {
        dialog_.CheckRadioButton(first, last, index >= 0 ? first + index : last + 1);
    }
}

}  // namespace ui
