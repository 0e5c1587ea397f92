#include "settingsvalue.h"

#include "settingsstore.h"

SettingsValue::SettingsValue(QString key, QString def, SettingsStore *store)
    : m_key(std::move(key))
    , m_default(std::move(def))
    , m_value(m_default)
    , m_store(store)
{ }

void SettingsValue::setValue(const QString &newValue)
{
    if (newValue == m_value)
        return;
    m_value = newValue;
    storeValue();
}

void SettingsValue::setOn(bool on)
{
    setValue(on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsValue::setInt(int value)
{
    setValue(QString::number(value));
}

int SettingsValue::intValue() const
{
    return parseSettingInt(m_value);
}

void SettingsValue::resetToDefault()
{
    setValue(m_default);
}

void SettingsValue::assignValue(const QString &newValue)
{
    m_value = newValue;
}

void SettingsValue::storeValue()
{
    if (m_store)
        m_store->writeStoredValue(m_key, m_value);
}

void SettingsValue::loadValue()
{
    m_value = m_store ? m_store->readStoredValue(m_key, m_default) : m_default;
}

int parseSettingInt(const QString &text)
{
    // Stricter than QString::toInt: no blanks, no plus sign, no other bases.
    if (text.isEmpty())
        return 0;
    const bool negative = text.at(0) == QLatin1Char('-');
    qsizetype i = negative ? 1 : 0;
    if (i == text.size())
        return 0;
    qint64 result = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        result = result * 10 + (c.unicode() - '0');
        if (result > qint64(2147483648LL))
            return 0;
    }
    if (negative)
        result = -result;
    if (result > 2147483647LL || result < -2147483648LL)
        return 0;
    return int(result);
}
