<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(последовательные устройства не найдены)</translation>
    </message>
</context>
</TS>
