#pragma once

#include <QString>

class SettingsStore;

// One setting: key, factory default and current text. Changes go to storage at once.
class SettingsValue
{
public:
    SettingsValue(QString key, QString def, SettingsStore *store);

    const QString &key() const { return m_key; }
    const QString &defaultValue() const { return m_default; }
    const QString &value() const { return m_value; }
    bool isOn() const { return m_value == QLatin1String("1"); }

    void setValue(const QString &newValue);
    // Typed forms: on is "1", off is "0"; integers in decimal.
    void setOn(bool on);
    void toggle() { setOn(!isOn()); }
    int intValue() const;
    void setInt(int value);
    void resetToDefault();
    void assignValue(const QString &newValue);
    void storeValue();
    void loadValue();

private:
    QString m_key;
    QString m_default;
    QString m_value;
    SettingsStore *m_store;
};

// Whole decimal 32-bit integer with an optional sign, otherwise 0.
int parseSettingInt(const QString &text);
