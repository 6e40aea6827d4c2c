#pragma once

#include "platform/Form.h"

class LineLimitedMemo;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// The editor of sheet (1) "居宅サービス計画書（１）": the user's particulars, the creator and office, the plan
// dates and the five text rows. Choosing a user fills the particulars from Riyou.txt and sets CurrentUserName;
// choosing a creator fills the office from Jisya.txt. Its place on the screen is kept in Plan1Left and Plan1Top.
class TF_Keikaku1 : public Form
{
    Q_OBJECT
public:
    TF_Keikaku1();

    // Sets the text of ComboBox1 or ComboBox2 without looking the name up (loading a saved plan is no choice).
    void setNameWithoutLookup(QComboBox *box, const QString &text);

    void ComboBox1Change();
    void ComboBox2Change();
    void DateTimePicker1Change();
    void DateTimePicker2Change();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void FormCreate();
    void refillChoices(QComboBox *box, const QString &fileName, int field);

    QComboBox *m_user = nullptr;    // ComboBox1
    QComboBox *m_creator = nullptr; // ComboBox2
    QLineEdit *m_office = nullptr;  // Edit1
    QLineEdit *m_officeAddress = nullptr; // Edit2
    QLabel *m_address = nullptr;    // Label12
    QLabel *m_planKind = nullptr;   // Label13
    QLabel *m_certState = nullptr;  // Label14
    QLabel *m_birth = nullptr;      // Label15
    QLabel *m_planDate = nullptr;   // Label16
    QLabel *m_firstPlanDate = nullptr; // Label17
    QLabel *m_certDate = nullptr;   // Label18
    QLabel *m_validFrom = nullptr;  // Label19
    QLabel *m_validTo = nullptr;    // Label21
    QList<QLabel *> m_rowCaptions;  // Label_1 … Label_5
    QList<LineLimitedMemo *> m_rows; // Memo_1 … Memo_5
    QDateEdit *m_planDatePicker = nullptr;      // DateTimePicker1
    QDateEdit *m_firstPlanDatePicker = nullptr; // DateTimePicker2
    bool m_settingNames = false;
};

extern TF_Keikaku1 *F_Keikaku1;
