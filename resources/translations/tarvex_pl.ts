<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Port</name>
    <message>
        <source>(no serial devices found)</source>
        <translation>(nie znaleziono urządzeń szeregowych)</translation>
    </message>
</context>
</TS>
