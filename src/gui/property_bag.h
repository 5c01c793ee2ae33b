#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace tolvane {

// A container's store of one control's saved properties. Every read and
// write names the property's default: an absent entry reads as the default,
// and a value equal to the default is not stored.
class PropertyBag {
public:
    QVariant read(const QString& name, const QVariant& defaultValue) const {
        return entries_.value(name, defaultValue);
    }
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
        if (value == defaultValue)
            entries_.remove(name);
        else
            entries_.insert(name, value);
    }
    bool contains(const QString& name) const { return entries_.contains(name); }

private:
    QVariantMap entries_;
};

}  // namespace tolvane
